#!/bin/sh
# Starts vandrel in its run folder, where it finds its data files by bare name.
cd "$1" || exit 1
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  echo "vandrel: no display to open the window on; play headless with: $(pwd)/vandrel --script FILE" >&2
  exit 1
fi
exec ./vandrel

# The two commands of the README: `make run` builds and starts the program, `make test` builds
# and runs every test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps

deps:
	@scripts/deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)/run

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

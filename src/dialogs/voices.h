// The SAPI 4 voice list of the voice dialog and the selection of its modes.
#pragma once

// Fills voicelist in the enumeration order and chooses "Jakub" in it, else the first mode.
void listvoices();
// Copies the record of the mode chosen in voicelist into ttsmodeinfo.
void voicelistClick();
// Makes the mode in ttsmodeinfo the speaking one and gives the sliders its ranges and values.
void selectvoice();

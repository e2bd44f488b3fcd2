// The carried BASIC program, translated at build time by tools/basic2cpp into one procedure.
#pragma once

// Runs the program from its first line until END, or until a RETURN finds no pending GOSUB.
// Errors of the runtime operations leave it as exceptions.
void runprog();

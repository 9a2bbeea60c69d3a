#pragma once
// The high-score commands of the runner: any score situation, from stored
// records to the end-of-game offer, reproduced without the window.
//
//   record NAME TEXT   stores TEXT (the rest of the line, verbatim) as the value NAME of "Scores"
//   clock SECONDS      pins the calendar time the table and the dates use
//   offer SCORE NAME   the end-of-game offer answered OK with NAME
//   scores             the table as a fresh load reads it, then the value names
//   await              flushes what was printed and waits for a line on standard input

class CSimRunner;

void RegisterScoreSimCommands(CSimRunner& runner);

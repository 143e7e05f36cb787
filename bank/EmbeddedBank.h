#pragma once
#include <QByteArray>

// The question bank the program carries, an SQLite database file built from
// resources/bank/questions.txt when the program is built.
QByteArray EmbeddedQuestionBank();

#pragma once

// The helper programs' reports: one line on stdout, at once.

#include <QString>

#include <cstdio>

inline void linha(const QString& texto)
{
    std::printf("%s\n", texto.toUtf8().constData());
    std::fflush(stdout);
}

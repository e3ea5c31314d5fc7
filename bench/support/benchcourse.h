#pragma once
// The generated course the course-wide benchmarks share: a top screen listing
// CourseChapters chapters, each listing CourseLessonsPerChapter lessons; every screen
// has its block, a formatted text of its own and, when a work folder is given, a note.
#include "platform/textfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

namespace lumora::bench {

inline constexpr int CourseChapters = 10;
inline constexpr int CourseLessonsPerChapter = 99;
inline constexpr int CourseScreens = 1 + CourseChapters * (1 + CourseLessonsPerChapter);

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// lesson(n) makes the formatted text of the n-th screen written (from 1).
inline void writeCourse(const QString &course, const QString &work, const std::function<QByteArray(int)> &lesson)
{
    QDir().mkpath(course);
    if (!work.isEmpty())
        QDir().mkpath(work);
    int number = 0;
    const auto screen = [&](const QString &name, const QStringList &items) {
        ++number;
        textfile::writeLines(course + u'/' + name,
                             items + QStringList{QStringLiteral("<Obrazovka %1: úvodný text>").arg(number)});
        writeFile(course + u'/' + QString(name).replace(QStringLiteral(".txt"), QStringLiteral(".rtf")),
                  lesson(number));
        if (!work.isEmpty())
            textfile::writeLines(
                work + u'/' + name,
                {QStringLiteral("Poznámka k obrazovke %1").arg(number), QStringLiteral("čísla a počítanie")});
    };
    QStringList top;
    for (int c = 1; c <= CourseChapters; ++c) {
        top << QStringLiteral("[Kapitola %1]kap%1.txt").arg(c);
        QStringList lessons;
        for (int l = 1; l <= CourseLessonsPerChapter; ++l)
            lessons << QStringLiteral("[Lekcia %1.%2]lek%1_%2.txt").arg(c).arg(l);
        screen(QStringLiteral("kap%1.txt").arg(c), lessons);
        for (int l = 1; l <= CourseLessonsPerChapter; ++l)
            screen(QStringLiteral("lek%1_%2.txt").arg(c).arg(l), {});
    }
    screen(QStringLiteral("Obsah.txt"), top);
}

} // namespace lumora::bench

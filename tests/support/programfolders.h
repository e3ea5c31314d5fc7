#pragma once
// The fixture of the tests that run the player's code on files: a temporary program
// folder and work folder, with message boxes answered by the test hook (reset, every
// question answered Yes unless the test queues answers), and golden folders copied in.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lumora::testing {

class ProgramFolders {
public:
    explicit ProgramFolders(const QString &programFolderName = QStringLiteral("program"));

    QString root() const;    // the temporary folder holding both
    QString program() const; // the program folder, no trailing separator
    QString work() const;    // the work folder

    // Writes a Windows-1250 text file below the program folder, making its folders.
    void write(const QString &relative, const QStringList &lines) const;

private:
    QTemporaryDir m_dir;
    QString m_programName;
};

// Copies every file and folder below from into to, making to as needed; a file that
// cannot be copied fails the running test and makes the result false.
bool copyFolder(const QString &from, const QString &to);

} // namespace lumora::testing

#pragma once
// Everything one running program shares: the program values, the message gate, the
// course state and the text lookup over them. Tests create a fresh one per case.
#include "platform/errors.h"
#include "platform/textlookup.h"
#include "state/coursestate.h"
#include "state/programvalues.h"

#include <QString>

#include <memory>

namespace lumora {

namespace search {
class FormattedTextCache;
}

class Session : public TextLookup {
public:
    ProgramValues values;
    CourseState course;
    bool ShowPrompt = false; // set by every text lookup that read a file
    bool terminateRequested = false;
    // The plain texts of lesson files read by the course search, kept while the program
    // runs (shared with a reading that may still be under way).
    std::shared_ptr<search::FormattedTextCache> searchCache;

    bool showPrompt() const override { return ShowPrompt; }

    // ConfigText converted with the strict integer conversion (throws ConvertError).
    int ConfigInt(const TextKey &entry);

    // The course folder of a level: ProgramDir + LevelFolder[level] + separator.
    QString levelFolderPath(int level) const;
    // Its content file: the level folder + ScreenFile[level].
    QString contentFilePath(int level) const;

    QString levelFilePath() const;
    void writeLevelFile();
    int readLevelFile() const;

    QString templatePath() const; // the name the template is written under
    void removeTemplate() const;

    // The folder of the program's passing files (the level file, the window template):
    // the work folder, or, once a write there failed (a read-only or full work folder),
    // the program's own data folder, then the system's temporary folder.
    QString ownFilesFolder() const;
    // Moves on to the next of those folders, taking the template along; false when
    // none is left.
    bool nextOwnFilesFolder();
    // Writes the template there, moving on while writing fails; throws the last error.
    template <typename Write>
    void writeOwnFile(const Write &write)
    {
        for (;;) {
            try {
                write();
                return;
            } catch (const Error &) {
                if (!nextOwnFilesFolder())
                    throw;
            }
        }
    }

    // Asks the application to terminate: the event loop (and every nested level loop)
    // ends once control returns to it; the caller finishes its handler first.
    void requestTerminate();

    // Write probe: whether a file can be created in the program folder.
    bool programFolderWritable() const;

protected:
    // The text lookup: the course folder's CONFIG.TXT first while inside a course,
    // then the program folder's, then the default. Reads the files afresh every time.
    QString lookupText(const QString &key, const QString &defaultText) override;

private:
    int m_ownFilesFallback = 0; // 0: the work folder; 1, 2: the places after it
    QString m_ownFilesFolder;
};

} // namespace lumora

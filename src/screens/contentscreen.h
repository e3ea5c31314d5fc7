#pragma once
// Building a content screen into a level window, step by step: the controls made ready,
// the content file read with its background, the title, the lesson buttons, the lesson
// text, and last the column laid out with the warnings the file gave.
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/progressfile.h"

#include <QString>

class QPushButton;

namespace lumora {

class Session;

namespace screens {

class LevelScreen;
struct ScreenControls;

class ContentScreen {
public:
    ContentScreen(LevelScreen &screen, int level);
    void build();

private:
    void prepareControls();
    void readFile();
    void showTitle();
    void addButtons(const course::ScreenItems &items);
    QPushButton *addButton(const course::ScreenButton &b, int &windowHeight);
    void fillPane();
    bool loadFormattedText();
    void finish(bool notRich);

    LevelScreen &m_screen;
    Session &m_s;
    const ScreenControls &m_c;
    const int m_level;
    const int m_unit;
    QString m_folder;
    QString m_contentPath;
    QString m_title;   // the whole title path
    QString m_rtfPath; // the formatted text file, empty when none
    course::ContentFile m_file;
    int m_buttonFont = 0;
    int m_trim = 0;
    QString m_examCaption;               // the caption of the exam button
    course::progress::Visited m_visited; // the course's visited files, for the buttons' marks
    QString m_visitedWord;
    QPushButton *m_firstButton = nullptr;
};

} // namespace screens
} // namespace lumora

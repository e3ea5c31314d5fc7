#pragma once
// Moving between levels: entering a course, opening a deeper level as a new window made
// from the window template, going back, closing a level, and the search window's first
// level.
#include <QString>

#include <memory>

class QPushButton;
class QWidget;

namespace lumora::screens {

class LevelScreen;

class Navigation {
public:
    explicit Navigation(LevelScreen &screen);

    // The press of a course button: enters the course its caption names.
    void PoStlaceni(QPushButton *courseButton);
    // Enters the course in a folder of the program folder, as its course button does.
    void enterCourse(const QString &courseFolder);
    // Opens the window of the current level over this one and returns once it has closed.
    void ZobrazOkno();
    // "Späť": closes the top window.
    void SpeedButton1Click();
    // The close of a level window: the level below becomes the current one; closing the
    // first level ends the program.
    void FormClose();
    // Prepares this window as a search window's first level, showing a content file.
    void PripravOkno(const QString &contentPath);

private:
    bool firstScreenReady(int level, bool gate);
    std::unique_ptr<QWidget> openLevel(int level, QWidget *below);
    void prepareLevel(QWidget &window, int level, QWidget *below);
    void runLevel(std::unique_ptr<QWidget> window);

    LevelScreen &m_screen;
};

} // namespace lumora::screens

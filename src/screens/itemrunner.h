#pragma once
// The press of a lesson button: the next screen, a demonstration, a picture, or anything
// else through the desktop's "open".
#include <QString>

class QPushButton;

namespace lumora::course {
struct ItemPress;
}

namespace lumora::screens {

class LevelScreen;

class ItemRunner {
public:
    explicit ItemRunner(LevelScreen &screen);

    // Runs the item the button's stored line names.
    void SpustiProgram(QPushButton *lessonButton);

private:
    void openScreen(const course::ItemPress &press, const QString &folder, const QString &caption);
    void offerMissingScreen(const course::ItemPress &press, const QString &folder, const QString &caption);
    void enterNextLevel(int level);

    LevelScreen &m_screen;
};

} // namespace lumora::screens

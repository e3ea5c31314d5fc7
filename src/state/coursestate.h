#pragma once
// The stack of level windows and what each level was built from. Fixed tables of
// 20 levels with 20 buttons or stored lines each; index 0 is unused (or scratch).
#include <QPointer>
#include <QObject>
#include <QString>

#include <array>
#include <vector>

namespace lumora {

inline constexpr int MaxLevels = 20;
inline constexpr int MaxLines = 20;
inline constexpr int MaxCourseButtons = 400;

struct CourseState {
    quint8 CurrentLevel = 1;
    std::array<QPointer<QObject>, MaxLevels + 1> LevelWindow{};
    std::array<std::array<QPointer<QObject>, MaxLines + 1>, MaxLevels + 1> LevelButton{};
    // By folder-list position; grows with the folder list beyond its first size.
    std::vector<QPointer<QObject>> CourseButton = std::vector<QPointer<QObject>>(MaxCourseButtons + 1);
    // Whether a level's window has built its screen (1) or must build it when activated
    // (0). One entry past the deepest level: when a level window closes, navigation marks
    // the level after the current one as unbuilt, and the current level may be the last.
    std::array<quint8, MaxLevels + 2> LevelBuilt{};
    std::array<QString, MaxLevels + 1> LevelFolder{};
    std::array<QString, MaxLevels + 1> ScreenFile{};
    std::array<std::array<QString, MaxLines + 1>, MaxLevels + 1> ScreenLines{};
    QString ContentFileName;
    // Positions in the root screen's folder list (kept as full integers: a list longer
    // than a byte counts must not wrap onto the wrong course).
    int FolderListCount = 0;
    int FirstCourseEntry = 0;
    QString BackgroundName;
    QString PressedTitle;
    int LayoutTop = 0; // a full integer: thousands of buttons reach far below 65,535 pixels
    bool InsideCourse = false;
    bool EditorSaved = false;

    // Whether a level number fits the tables; a deeper level is refused, not opened.
    static bool validLevel(int level) { return level >= 1 && level <= MaxLevels; }
};

} // namespace lumora

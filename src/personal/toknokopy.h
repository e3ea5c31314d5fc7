#pragma once
// The copy window: the work folder's notes and links files on the left, any place on
// the right (a box of places, a folder tree, a file list), and two arrows that copy the
// selected files across.
#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QToolButton;
class QTreeView;
class QPushButton;

namespace lumora {

class Session;

class TOknoKopy : public QDialog {
    Q_OBJECT
public:
    explicit TOknoKopy(Session &session, QWidget *parent = nullptr);

    void FormActivate();
    void SpeedButton4Click(); // ">": the selected work-folder files into the right folder
    void SpeedButton3Click(); // "<": the selected right files into the work folder
    void Button1Click();

    // The folder the right side shows; choosing a place or a folder in the tree sets it.
    QString rightFolder() const { return m_rightFolder; }
    void showRightFolder(const QString &folder);

    // The places of the box: mounted volumes, the home folder and the root, standing in
    // for drives.
    static QStringList places();

    QLabel *Label1 = nullptr;               // the work folder's path
    QListWidget *FileListBox1 = nullptr;    // the work folder's notes and links
    QLabel *Label2 = nullptr;               // "Kopírovanie"
    QToolButton *SpeedButton4 = nullptr;    // ">"
    QToolButton *SpeedButton3 = nullptr;    // "<"
    QComboBox *DriveComboBox1 = nullptr;    // the drives (mount points)
    QLabel *PlaceLabel = nullptr;           // names the place box
    QTreeView *DirectoryListBox1 = nullptr; // the other folder
    QListWidget *FileListBox2 = nullptr;    // the other folder's files
    QLabel *Label3 = nullptr;               // "Zobrazujú sa iba súbory poznámok…"
    QLabel *Label4 = nullptr;               // the folder ">" copies into
    QPushButton *Button1 = nullptr;         // "Koniec"

signals:
    // Files were copied into the work folder: the screen's notes and links may differ.
    void workFolderChanged();

private:
    void fillLeft();
    void fillRight();
    void choosePlace(int index);
    // Copies the selected entries of list (names relative to from) into to, asking
    // before a file that differs is replaced and showing progress.
    void copySelected(QListWidget *list, const QString &from, const QString &to);

    Session &m_session;
    QFileSystemModel *m_folders = nullptr;
    QString m_rightFolder;
    bool m_following = false; // the tree's current folder is being set from here
};

// The files of a folder whose names match one of the masks ("*.txt;*.htm"), without
// regard to case, in name order.
QStringList maskedFiles(const QString &folder, const QString &masks);
// The right side's files: every file of the folder, then the notes and links files of
// its sub-folders (two levels down), with their folders, so copies come back whole.
QStringList otherPlaceFiles(const QString &folder);

} // namespace lumora

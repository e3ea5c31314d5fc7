#pragma once
// The tree window: every screen and item of the course the user is in, a caption search,
// opening the selected item, and the integrity check (missing files and cut cycles).
#include <QDialog>

#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace lumora {

class Session;
struct TextKey;

namespace tree {
class CourseTreeModel;
}

class TOknoHladaj : public QDialog {
    Q_OBJECT
public:
    TOknoHladaj(Session &session, QWidget *parent = nullptr);
    ~TOknoHladaj() override;

    // The program started for a screen opened from the tree (a search-window copy);
    // this program by default.
    QString secondCopyProgram;

    QMenuBar *menuBar = nullptr;
    QAction *Hadanie1 = nullptr;          // "Hľadaj": shows the search panel
    QAction *Hadanieintegrity1 = nullptr; // "Kontrola integrity"
    QLabel *Label1 = nullptr;             // the course's name
    QTreeView *TreeView1 = nullptr;       // the course tree
    QPlainTextEdit *Memo1 = nullptr;      // the integrity list
    QLabel *Label3 = nullptr;             // the selected file's path
    QFrame *Panel1 = nullptr;             // the search panel
    QLabel *Label2 = nullptr;             // the search panel's label
    QLineEdit *Edit1 = nullptr;           // the text searched for
    QPushButton *Button2 = nullptr;       // "Hľadaj text"
    QPushButton *Button3 = nullptr;       // "Zobraz okno"
    QPushButton *Button4 = nullptr;       // "Hľadaj ďalej"
    QPushButton *Button5 = nullptr;       // "Koniec kontroly"
    QPushButton *Button1 = nullptr;       // "Návrat": closes the window

    // Where the caption search stopped last (an absolute node index).
    int SearchPosition = 0;

    // Builds the window's content: captions, the tree of the course, the root selected.
    void FormActivate();
    void Button2Click();
    void Button4Click();
    void Button3Click();
    void Edit1Enter();
    // Enter in the search box: the first search, then the next match.
    void Edit1Return();
    void Hadanie1Click();
    void TreeView1Click();
    // Opens the selected node: a screen in a second copy, a demonstration in the
    // player, anything else through the desktop.
    void SpustiSubor();
    // The integrity check, and closing its list.
    void open();
    void Button5Click();

    tree::CourseTreeModel *model() const { return m_model.get(); }
    // The absolute index of the selected node (-1 when none).
    int selectedNode() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openMenu();
    void selectNode(int node);
    // Scans from SearchPosition; selects a match. Returns whether one was found.
    bool scan();
    QString courseFolder() const;

    Session &m_session;
    std::unique_ptr<tree::CourseTreeModel> m_model;
    bool m_built = false;
};

} // namespace lumora

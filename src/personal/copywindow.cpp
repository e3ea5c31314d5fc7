#include "personal/copywindow.h"

#include "config/keys.h"
#include "personal/centred.h"
#include "platform/fileops.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "state/session.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeView>

namespace lumora {

QStringList maskedFiles(const QString &folder, const QString &masks)
{
    QDir dir(folder);
    dir.setNameFilters(masks.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QStringList TOknoKopy::places()
{
    QStringList out;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !out.contains(volume.rootPath()))
            out << volume.rootPath();
    }
    for (const QString &place : {QDir::homePath(), QDir::rootPath()}) {
        if (!out.contains(place))
            out.prepend(place);
    }
    return out;
}

TOknoKopy::TOknoKopy(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoKopy"));
    setFixedSize(640, 420);
    Label1 = placeControl<QLabel>(this, "Label1", 8, 8, 260, 32);
    Label1->setWordWrap(true);
    FileListBox1 = placeControl<QListWidget>(this, "FileListBox1", 8, 44, 260, 300);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label2 = placeControl<QLabel>(this, "Label2", 272, 140, 96, 16);
    Label2->setAlignment(Qt::AlignCenter);
    SpeedButton4 = placeControl<QToolButton>(this, "SpeedButton4", 296, 164, 48, 28);
    SpeedButton3 = placeControl<QToolButton>(this, "SpeedButton3", 296, 200, 48, 28);
    SpeedButton4->setText(QStringLiteral(">"));
    SpeedButton3->setText(QStringLiteral("<"));
    for (QToolButton *arrow : {SpeedButton4, SpeedButton3}) {
        QFont font = arrow->font();
        font.setBold(true);
        arrow->setFont(font);
    }
    DriveComboBox1 = placeControl<QComboBox>(this, "DriveComboBox1", 372, 8, 260, 24);
    DirectoryListBox1 = placeControl<QTreeView>(this, "DirectoryListBox1", 372, 36, 260, 150);
    FileListBox2 = placeControl<QListWidget>(this, "FileListBox2", 372, 192, 260, 152);
    FileListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label3 = placeControl<QLabel>(this, "Label3", 8, 350, 624, 30);
    Label3->setWordWrap(true);
    Button1 = placeControl<QPushButton>(this, "Button1", 540, 384, 92, 28);
    Button1->setAutoDefault(false);

    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();

    DriveComboBox1->addItems(places());
    DriveComboBox1->setCurrentText(QDir::homePath());
    connect(DriveComboBox1, &QComboBox::activated, this, [this](int index) { guarded([this, index] { choosePlace(index); }); });
    connect(DirectoryListBox1, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        guarded([this, index] { showRightFolder(m_folders->filePath(index)); });
    });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton4Click(); }); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton3Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });

    personal::centreOnScreen(this);
    showRightFolder(QDir::homePath());
}

void TOknoKopy::FormActivate()
{
    Session &s = m_session;
    setWindowTitle(s.ConfigText(keys::WindowCopy));
    Label2->setText(s.ConfigText(keys::WindowCopyLabel));
    Label3->setText(s.ConfigText(keys::WindowCopyMaska));
    Button1->setText(s.ConfigText(keys::WindowCopyClose));
    Label1->setText(s.values.TempDir);
    fillLeft();
}

void TOknoKopy::fillLeft()
{
    FileListBox1->clear();
    FileListBox1->addItems(maskedFiles(m_session.values.TempDir, QStringLiteral("*.txt;*.htm")));
}

void TOknoKopy::fillRight()
{
    FileListBox2->clear();
    FileListBox2->addItems(maskedFiles(m_rightFolder, QStringLiteral("*")));
}

void TOknoKopy::showRightFolder(const QString &folder)
{
    m_rightFolder = folder;
    // The tree starts at the place holding the folder (the longest one that does), so
    // the user can climb back up to it.
    QString place = QDir::rootPath();
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString candidate = DriveComboBox1->itemText(i);
        const QString prefix = candidate.endsWith(QLatin1Char('/')) ? candidate : candidate + QLatin1Char('/');
        if ((folder == candidate || folder.startsWith(prefix)) && candidate.size() > place.size())
            place = candidate;
    }
    m_folders->setRootPath(place);
    DirectoryListBox1->setRootIndex(m_folders->index(place));
    const QModelIndex index = m_folders->index(folder);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        DirectoryListBox1->expand(up);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    fillRight();
}

void TOknoKopy::choosePlace(int index)
{
    const QString place = DriveComboBox1->itemText(index);
    if (!place.isEmpty())
        showRightFolder(place);
}

void TOknoKopy::SpeedButton4Click()
{
    // The other list shows what was copied, also when a file in the middle failed.
    const auto refresh = qScopeGuard([this] { fillRight(); });
    for (int i = 0; i < FileListBox1->count(); ++i) {
        if (FileListBox1->item(i)->isSelected())
            fileops::CopyFile(paths::join(m_session.values.TempDir, FileListBox1->item(i)->text()), m_rightFolder);
    }
}

void TOknoKopy::SpeedButton3Click()
{
    const auto refresh = qScopeGuard([this] { fillLeft(); });
    for (int i = 0; i < FileListBox2->count(); ++i) {
        if (FileListBox2->item(i)->isSelected())
            fileops::CopyFile(paths::join(m_rightFolder, FileListBox2->item(i)->text()), m_session.values.TempDir);
    }
}

void TOknoKopy::Button1Click()
{
    accept();
}

} // namespace lumora

#include "personal/toknokopy.h"

#include "config/keys.h"
#include "personal/centred.h"
#include "platform/accessiblenames.h"
#include "platform/fileops.h"
#include "personal/copyjob.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "state/session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QProgressDialog>
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

namespace {

// The folders of the right side, its columns headed in the interface's language (screen
// readers read the headers, though the view shows none).
class FolderModel : public QFileSystemModel {
public:
    using QFileSystemModel::QFileSystemModel;
    QStringList headers;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers.size())
            return headers.at(section);
        return QFileSystemModel::headerData(section, orientation, role);
    }
};

} // namespace

QStringList maskedFiles(const QString &folder, const QString &masks)
{
    QDir dir(folder);
    dir.setNameFilters(masks.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QStringList otherPlaceFiles(const QString &folder)
{
    QStringList out = maskedFiles(folder, QStringLiteral("*"));
    for (const QString &file : personal::learnerFiles(folder, 2)) {
        if (file.contains(QDir::separator()))
            out << file;
    }
    return out;
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

TOknoKopy::TOknoKopy(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
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
    // The place box is named by a label beside it (a combo box alone is heard as its
    // current text).
    PlaceLabel = placeControl<QLabel>(this, "PlaceLabel", 372, 12, 60, 16);
    DriveComboBox1 = placeControl<QComboBox>(this, "DriveComboBox1", 436, 8, 196, 24);
    DirectoryListBox1 = placeControl<QTreeView>(this, "DirectoryListBox1", 372, 36, 260, 150);
    FileListBox2 = placeControl<QListWidget>(this, "FileListBox2", 372, 192, 260, 152);
    FileListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label3 = placeControl<QLabel>(this, "Label3", 8, 350, 524, 30);
    Label3->setWordWrap(true);
    Label4 = placeControl<QLabel>(this, "Label4", 8, 384, 524, 28);
    Label4->setWordWrap(true);
    Button1 = placeControl<QPushButton>(this, "Button1", 540, 384, 92, 28);
    Button1->setAutoDefault(false);

    m_folders = new FolderModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();

    DriveComboBox1->addItems(places());
    DriveComboBox1->setCurrentText(QDir::homePath());
    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int index) { guarded([this, index] { choosePlace(index); }); });
    // The folder list follows its current item however it was chosen: the mouse, the
    // arrow keys or typing.
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) {
                if (!m_following && index.isValid())
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
    accessible::name(SpeedButton3, s, keys::WindowCopyToWork);
    accessible::name(SpeedButton4, s, keys::WindowCopyToFolder);
    accessible::name(FileListBox1, s, keys::WindowCopyWorkFiles);
    PlaceLabel->setText(s.ConfigText(keys::WindowCopyPlace) + QLatin1Char(':'));
    accessible::label(PlaceLabel, DriveComboBox1);
    accessible::name(DirectoryListBox1, s, keys::WindowCopyFolders);
    accessible::name(FileListBox2, s, keys::WindowCopyFiles);
    static_cast<FolderModel *>(m_folders)->headers = {
        DirectoryListBox1->accessibleName(), s.ConfigText(keys::WindowCopySize), s.ConfigText(keys::WindowCopyType),
        s.ConfigText(keys::WindowCopyDate)};
    Label3->setText(s.ConfigText(keys::WindowCopyMaska));
    Button1->setText(s.ConfigText(keys::WindowCopyClose));
    Label1->setText(s.values.TempDir);
    fillLeft();
}

void TOknoKopy::fillLeft()
{
    FileListBox1->clear();
    FileListBox1->addItems(personal::learnerFiles(m_session.values.TempDir));
}

void TOknoKopy::fillRight()
{
    FileListBox2->clear();
    FileListBox2->addItems(otherPlaceFiles(m_rightFolder));
    Label4->setText(m_session.ConfigText(keys::WindowCopyTarget) + QLatin1Char(' ') + m_rightFolder);
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
    m_following = true;
    const auto followed = qScopeGuard([this] { m_following = false; });
    if (m_folders->rootPath() != place) {
        m_folders->setRootPath(place);
        DirectoryListBox1->setRootIndex(m_folders->index(place));
    }
    const QModelIndex index = m_folders->index(folder);
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        DirectoryListBox1->expand(up);
    if (DirectoryListBox1->currentIndex() != index)
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

void TOknoKopy::copySelected(QListWidget *list, const QString &from, const QString &to)
{
    QList<personal::CopyItem> items;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            items.append({paths::join(from, list->item(i)->text()), list->item(i)->text()});
    }
    if (items.isEmpty())
        return;
    Session &s = m_session;
    QProgressDialog progress(s.ConfigText(keys::WindowCopyProgress), s.ConfigText(keys::WindowCopyStop), 0, 1000, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    personal::CopyCallbacks callbacks;
    callbacks.replace = [&](const QString &target) {
        const QString question = s.ConfigText(keys::WindowCopyReplace) + QLatin1Char('\n') + target;
        switch (messages::askReplace(question, this)) {
        case messages::Answer::Yes: return personal::ReplaceAnswer::Replace;
        case messages::Answer::YesToAll: return personal::ReplaceAnswer::ReplaceAll;
        case messages::Answer::NoToAll: return personal::ReplaceAnswer::KeepAll;
        default: return personal::ReplaceAnswer::Keep;
        }
    };
    callbacks.progress = [&](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 1000);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    personal::copyFiles(items, to, callbacks);
}

void TOknoKopy::SpeedButton4Click()
{
    // The other list shows what was copied, also when a file in the middle failed.
    const auto refresh = qScopeGuard([this] { fillRight(); });
    copySelected(FileListBox1, m_session.values.TempDir, m_rightFolder);
}

void TOknoKopy::SpeedButton3Click()
{
    const auto refresh = qScopeGuard([this] {
        fillLeft();
        emit workFolderChanged();
    });
    copySelected(FileListBox2, m_rightFolder, m_session.values.TempDir);
}

void TOknoKopy::Button1Click()
{
    accept();
}

} // namespace lumora

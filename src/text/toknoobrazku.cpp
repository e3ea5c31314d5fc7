#include "text/toknoobrazku.h"

#include "config/keys.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "state/session.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

constexpr double ZoomFactor = 1.25;
constexpr double MinScale = 0.02;
constexpr double MaxScale = 8;

} // namespace

TOknoObrazku::TOknoObrazku(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoObrazku"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(569, 378);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("ScrollBox"));
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignCenter);
    Image1 = new PictureCanvas;
    Image1->setObjectName(QStringLiteral("Image1"));
    scrollArea->setWidget(Image1);
    layout->addWidget(scrollArea, 1);
    Button1 = new QPushButton(QStringLiteral("Zavri"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(Button1, 0, Qt::AlignRight | Qt::AlignBottom);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Image1, &PictureCanvas::zoomStepped, this, &TOknoObrazku::zoomBy);

    const auto key = [this](QList<QKeySequence> keys, auto handler) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    key({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomBy(1); });
    key({QKeySequence::ZoomOut}, [this] { zoomBy(-1); });
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { fitToWindow(); });
    key({QKeySequence(Qt::CTRL | Qt::Key_1)}, [this] { actualSize(); });
}

void TOknoObrazku::FormActivate()
{
    Button1->setText(m_session.ConfigText(keys::WindowPictureClose));
    setWindowTitle(m_session.ConfigText(keys::WindowPicture));
    const QFileInfo pictureInfo(paths::resolve(picturePath));
    // The same limit as every file read whole: a huge file is refused before decoding.
    if (pictureInfo.size() > textfile::MaxReadBytes)
        throw FileTooLargeError(picturePath);
    QImageReader reader(pictureInfo.filePath());
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    m_readScale = 1;
    if (full.isValid() && qint64(full.width()) * full.height() > MaxPixels) {
        // Kept at most MaxPixels; formats that cannot decode scaled are refused by the
        // reader's own memory limit rather than filling the memory.
        m_readScale = std::sqrt(double(MaxPixels) / (double(full.width()) * full.height()));
        reader.setScaledSize((QSizeF(full) * m_readScale).toSize());
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        Image1->setImage({});
        Image1->resize(0, 0);
        throw FileFormatError(QStringLiteral("'%1' is not a valid picture").arg(picturePath));
    }
    Image1->setImage(std::move(picture));
    // The text alternative: the caption of the button that opened the picture, else
    // its file name; the scroll area the focus lands on carries it too.
    const QString caption = m_session.course.PressedTitle.trimmed();
    const QString name = caption.isEmpty() ? QFileInfo(picturePath).fileName() : caption;
    Image1->setAccessibleName(name);
    scrollArea->setAccessibleName(name);
    fitToWindow();
}

double TOknoObrazku::fitScale() const
{
    const QSize picture = Image1->image().size() / m_readScale;
    const QSize room = scrollArea->viewport()->size();
    if (picture.isEmpty() || room.isEmpty())
        return 1;
    return std::min({1.0, double(room.width()) / picture.width(), double(room.height()) / picture.height()});
}

void TOknoObrazku::setScale(double scale)
{
    m_scale = std::clamp(scale, MinScale, MaxScale);
    const QSizeF picture = QSizeF(Image1->image().size()) / m_readScale;
    Image1->resize(std::max(1, int(picture.width() * m_scale)), std::max(1, int(picture.height() * m_scale)));
    Image1->update();
}

void TOknoObrazku::zoomBy(int steps)
{
    m_fit = false;
    setScale(m_scale * std::pow(ZoomFactor, steps));
}

void TOknoObrazku::fitToWindow()
{
    m_fit = true;
    // Scroll bars that would vanish once the picture fits must not narrow the room.
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setScale(fitScale());
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TOknoObrazku::actualSize()
{
    m_fit = false;
    setScale(1);
}

void TOknoObrazku::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guarded([this] { FormActivate(); });
}

void TOknoObrazku::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_fit && !Image1->image().isNull())
        fitToWindow();
}

} // namespace lumora

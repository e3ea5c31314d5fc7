#include "text/picturewindow.h"

#include "config/keys.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "state/session.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace lumora {

TOknoObrazku::TOknoObrazku(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoObrazku"));
    resize(569, 378);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("ScrollBox"));
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    scrollArea->setWidget(Image1);
    layout->addWidget(scrollArea, 1);
    Button1 = new QPushButton(QStringLiteral("Zavri"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(Button1, 0, Qt::AlignRight | Qt::AlignBottom);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TOknoObrazku::FormActivate()
{
    Button1->setText(m_session.ConfigText(keys::WindowPictureClose));
    setWindowTitle(m_session.ConfigText(keys::WindowPicture));
    const QPixmap picture(paths::resolve(picturePath));
    if (picture.isNull()) {
        Image1->clear();
        Image1->resize(0, 0);
        throw FileFormatError(QStringLiteral("'%1' is not a valid picture").arg(picturePath));
    }
    Image1->setPixmap(picture);
    // The scroll ranges follow the picture's size.
    Image1->resize(picture.size());
}

void TOknoObrazku::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guarded([this] { FormActivate(); });
}

} // namespace lumora

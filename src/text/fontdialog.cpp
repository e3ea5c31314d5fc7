#include "text/fontdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace lumora {

namespace {

struct NamedColour {
    const char *name;
    QColor colour;
};

// The usual text colours, window text first.
const NamedColour Colours[] = {
    {"Čierna", QColor(0, 0, 0)},
    {"Tmavočervená", QColor(128, 0, 0)},
    {"Zelená", QColor(0, 128, 0)},
    {"Olivová", QColor(128, 128, 0)},
    {"Námornícka modrá", QColor(0, 0, 128)},
    {"Fialová", QColor(128, 0, 128)},
    {"Modrozelená", QColor(0, 128, 128)},
    {"Sivá", QColor(128, 128, 128)},
    {"Strieborná", QColor(192, 192, 192)},
    {"Červená", QColor(255, 0, 0)},
    {"Svetlozelená", QColor(0, 255, 0)},
    {"Žltá", QColor(255, 255, 0)},
    {"Modrá", QColor(0, 0, 255)},
    {"Purpurová", QColor(255, 0, 255)},
    {"Tyrkysová", QColor(0, 255, 255)},
    {"Biela", QColor(255, 255, 255)},
};

} // namespace

FontDialog::FontDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("Písmo"));
    auto *layout = new QVBoxLayout(this);

    m_fonts = new QFontDialog(this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    QFont design(QStringLiteral("MS Sans Serif"));
    design.setPointSize(8);
    m_fonts->setCurrentFont(design);
    layout->addWidget(m_fonts);

    auto *form = new QFormLayout;
    m_colours = new QComboBox(this);
    m_colours->setObjectName(QStringLiteral("colour"));
    for (const NamedColour &c : Colours) {
        QPixmap swatch(14, 14);
        swatch.fill(c.colour);
        m_colours->addItem(QIcon(swatch), QString::fromUtf8(c.name), c.colour);
    }
    form->addRow(QStringLiteral("Farba:"), m_colours);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QFont FontDialog::selectedFont() const
{
    return m_fonts->currentFont();
}

QColor FontDialog::selectedColour() const
{
    return m_colours->currentData().value<QColor>();
}

void FontDialog::execute()
{
    exec();
}

} // namespace lumora

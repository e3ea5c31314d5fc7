#include "info/infomenu.h"

#include "info/toknoabout.h"
#include "info/toknooprg.h"
#include "info/toknoreklama.h"
#include "platform/guard.h"

#include <QAction>

namespace lumora::info {

namespace {

template <typename Window>
void showModal(Session &session, QWidget *parent)
{
    Window window(session, parent);
    window.exec();
}

} // namespace

InfoMenu::InfoMenu(Session &session, const InfoMenuEntries &entries)
    : QObject(entries.window), m_session(session), m_entries(entries)
{
    connect(entries.about, &QAction::triggered, this, [this] { guarded([this] { Oprograme1Click(); }); });
    connect(entries.feedback, &QAction::triggered, this, [this] { guarded([this] { Ohlasyautorom1Click(); }); });
    connect(entries.credits, &QAction::triggered, this, [this] { guarded([this] { Reklama1Click(); }); });
}

void InfoMenu::Oprograme1Click() { showModal<TOknoAbout>(m_session, m_entries.window); }
void InfoMenu::Ohlasyautorom1Click() { showModal<TOknoOPrg>(m_session, m_entries.window); }
void InfoMenu::Reklama1Click() { showModal<TOknoReklama>(m_session, m_entries.window); }

} // namespace lumora::info

// The menu "O aplikácii" of the main window: each entry shows its information window
// modally and releases it when it closes.
#include "app/tform1.h"
#include "info/infowindows.h"

namespace lumora {

void TForm1::Oprograme1Click()
{
    TOknoAbout window(m_session, this);
    window.exec();
}

void TForm1::Ohlasyautorom1Click()
{
    TOknoOPrg window(m_session, this);
    window.exec();
}

void TForm1::Reklama1Click()
{
    TOknoReklama window(m_session, this);
    window.exec();
}

} // namespace lumora

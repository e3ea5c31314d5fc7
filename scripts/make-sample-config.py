#!/usr/bin/env python3
"""Writes the sample program folder's CONFIG.TXT in Windows-1250 with CR LF, as authors
on Windows write it. Lines without two asterisks are comments."""
import pathlib, sys

LINES = """\
Lumora - tabuľka textov a nastavení ukážkového programového adresára
Riadok: príznak, hviezdička, KĽÚČ, hviezdička, hodnota (príznak 0 potlačí hlásenie)

Okno programu
1*LEFT CORNER*20
1*TOP CORNER*20
1*WIDTH*760
1*HEIGHT*640
1*FONTSIZE BUTTON*10
1*FONTSIZE MEMO*11
1*TRIM BUTTON LARGE TEXT*16
1*TRIM BUTTON SMALL TEXT*19
1*COLOR TITLE*8388608

Adresár prehrávača ukážok (prázdny: programový adresár)
1*PATH LOTUS*

Nadpisy
1*NAME*Lumora - program pre samoštúdium
1*EDUCATION*Výukový program
1*WINDOW CAPTION*Lumora
1*BUTTON NOTES*Poznámky
1*HTTP*Odkazy:
1*MY HTTP*Vlastné odkazy:
1*BACK BUTTON CAPTION*Späť
1*END BUTTON CAPTION*Koniec
1*SEARCH END BUTTON CAPTION*Koniec vyhľadávania
1*SEARCH WINDOW CAPTION*Vyhľadávacie okno
1*BUTTON EXAM*Vyskúšajte sa
1*WWW DEFAULT*https://www.lumora.sk

Ponuka
1*MENU OWNSELF*Vlastné
1*MENU NOTES*Poznámky
1*MENU HTTP*Odkazy
1*MENU HELP*Pomocník
1*MENU EDIT*Editácia
1*MENU EDIT MEMO*Editácia textu
1*MENU IGNORE MEMO*Ignorovať zmeny
1*MENU EDIT LESSON*Editácia lekcie
1*MENU ABOUT*O aplikácii
1*MENU ABOUT PROGRAM*O programe
1*MENU ABOUT WRITE US*Ohlasy autorom
1*MENU ABOUT COPYRIGHT*Ochranné známky
1*MENU END*Koniec
1*MENU FORGET PROGRESS*Vymazať postup kurzu…
1*VISITED*navštívené
1*PROGRESS SCREENS*Navštívené obrazovky:
1*MEMO INFO*Vyznačte text a pravým tlačidlom myši sa dostanete do nastavenia formátu písma

Hlásenia (adresa počítača sa pri štarte nezobrazuje)
0*IP*IP adresa počítača
0*IP NONE*Počítač nie je zapojený v sieti
1*END*Chcete ukončiť program ?
1*BLOCKED TREE2*Zavrieť vyhľadávacie okno ?
1*SAVE MEMO?*Chcete uložiť memo?
1*DIMENSIONS*Rozmery okna v CONFIG.TXT sú príliš malé!
1*COORDINATES*Súradnice laveho horneho rohu presiahli rozmer obrazovky !
1*TEMP*Neexistuje pracovný adresár
1*TEXT1*Neexistuje textový súbor
1*TEXT2*Chcete ho teraz vytvoriť ?
1*FORGET PROGRESS*Vymazať postup tohto kurzu? Značky navštívených obrazoviek sa stratia, poznámky a odkazy zostanú.
1*FORGET PROGRESS FAILED*Postup kurzu sa nepodarilo vymazať:
"""

target = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "sample/CONFIG.TXT")
target.write_bytes("\r\n".join(LINES.splitlines()).encode("cp1250") + b"\r\n")

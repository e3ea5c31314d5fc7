#!/usr/bin/env python3
"""Writes lection.hlp, the syntax help that the lesson editor shows beside a content file.

    python3 scripts/make-lection-help.py [program folder]      (default: sample/)

The help is plain text in Windows-1250 with CR LF, as the program reads its text files.
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

HELP = """\
SÚBOR OBSAHU OBRAZOVKY
======================
Každú obrazovku kurzu opisuje jeden textový
súbor (súbor obsahu). Prvú obrazovku kurzu
opisuje Obsah.txt v adresári kurzu. O druhu
riadku rozhoduje iba jeho začiatok, preto
riadok nezačínajte medzerou.

[popis]cieľ
-----------
Tlačidlo lekcie. Popis je text medzi "[" na
začiatku riadku a posledným "]", cieľ je meno
súboru v adresári kurzu.
  [Úvod do kurzu]uvod.txt
  [Ukážka práce s myšou]mys.scm
  [Kalkulačka]calc.exe

Čo tlačidlo urobí, určujú tri znaky za prvou
bodkou cieľa (veľké a malé písmená sú rovnaké):
  .txt  otvorí ďalšiu obrazovku - cieľ je jej
        súbor obsahu
  .scm  prehrá ukážku v prehrávači ukážok
  .bmp  ukáže obrázok v samostatnom okne
  iné   (.exe, .htm, .doc, ...) otvorí systém
        programom, ktorý k súboru patrí
Za menom programu alebo ukážky môžu po medzere
nasledovať parametre, napr. [Test]test.exe /a
Tlačidlo s prázdnym popisom "[]" je skryté.
Tlačidlo s popisom "Vyskúšajte sa" dostane
obrázok testu.

//adresa
--------
Odkaz v zozname "Odkazy:" pod textom.
  //https://www.example.sk
  //mailto:autor@example.sk

<text lekcie>
-------------
Blok textu lekcie. Začína riadkom, ktorý sa
začína znakom "<", a končí prvým riadkom, ktorý
sa končí znakom ">". Každý riadok bloku je jeden
odsek textu vedľa tlačidiel.
  <Prvý odsek textu.
  Druhý odsek.>
Krátky text môže byť na jednom riadku:
  <Jediný odsek.>
Blok bez ">" siaha až po koniec súboru, aj cez
tlačidlá a odkazy za ním.

obrazok.bmp
-----------
Riadok, ktorý obsahuje ".bmp", určuje obrázok
pozadia obrazovky (platí posledný taký riadok).
Bez neho má obrazovka pozadie POZADIE.BMP.
Napíšte naň iba meno obrázka.

Poznámky autora
---------------
Riadok, ktorý sa nezačína "[", "//" ani "<"
(aj prázdny), sa na obrazovke neukáže.
  ; Kapitola 2 - pripraviť obrázky

Obmedzenie
----------
Obrazovka ukáže najviac 20 riadkov s tlačidlami,
odkazmi a textom; ďalšie vynechá.

Formátovaný text
----------------
Ak vedľa súboru obsahu leží súbor s rovnakým
menom a príponou .rtf (kap1.txt - kap1.rtf),
obrazovka ukazuje namiesto bloku jeho
formátovaný text. Editor lekcie vtedy blok
neukazuje; formátovaný text je pod ním, iba na
čítanie. Nový blok "<...>" napísaný do editora
sa pripojí na koniec formátovaného textu. Pri
uložení dostane súbor obsahu na koniec čistú
kópiu formátovaného textu ako jeden blok.
Formátovaný text opravujte priamo na obrazovke
cez Editácia - Editácia textu.

Záloha
------
Pri uložení sa predchádzajúca verzia súboru
obsahu uloží ako záloha s príponou .bak
(Obsah.txt - Obsah.bak). Keď súbor obsahu kurzu
chýba, program ho obnoví zo zálohy.
Keď súbor práve upravuje iná kópia programu,
uloženie sa odmietne a nič sa nezapíše.

Tlačidlá editora
----------------
Ulož - uloží súbor a zavrie editor.
Zruš zmeny - zavrie editor bez uloženia.
Editácia textu - uloží súbor a hneď otvorí
text obrazovky na úpravu.
"""


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "sample"
    data = HELP.replace("\n", "\r\n").encode("cp1250")
    (folder / "lection.hlp").write_bytes(data)


if __name__ == "__main__":
    main()

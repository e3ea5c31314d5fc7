#pragma once
// The text table's keys in one place: every key the program looks up, with what it is
// used for and its Slovak default, one line each. Uses refer to the entry
// (keys::MenuNotes), so a key has one default wherever it is read. A null default is
// an empty text, or one the caller computes (a folder, a text built elsewhere).
#include "platform/errors.h"
#include "platform/textlookup.h"

// K(name, key, kind, default)
#define LUMORA_TEXT_KEYS(K)                                                                                                  \
    K(AllAround, "ALL AROUND", Caption, nullptr)                                                                             \
    K(BackButtonCaption, "BACK BUTTON CAPTION", Caption, "Späť")                                                             \
    K(BlockedTree1, "BLOCKED TREE1", Message, "Vo vyhľadávacom okne sa nedá znovu vyhľadávať.")                              \
    K(BlockedTree2, "BLOCKED TREE2", Question, "Zavrieť vyhľadávacie okno ?")                                                \
    K(Bmp, "BMP", Message, "Neexistuje súbor obrázku")                                                                       \
    K(ButtonExam, "BUTTON EXAM", Caption, "Vyskúšajte sa")                                                                   \
    K(ButtonKindDemo, "BUTTON KIND DEMO", Caption, "Ukážka")                                                                 \
    K(ButtonKindFile, "BUTTON KIND FILE", Caption, "Dokument alebo program")                                                 \
    K(ButtonKindPicture, "BUTTON KIND PICTURE", Caption, "Obrázok")                                                          \
    K(ButtonKindScreen, "BUTTON KIND SCREEN", Caption, "Ďalšia obrazovka")                                                   \
    K(ButtonKindTest, "BUTTON KIND TEST", Caption, "Test")                                                                   \
    K(ButtonKindWeb, "BUTTON KIND WEB", Caption, "Webová stránka")                                                           \
    K(ButtonNotes, "BUTTON NOTES", Caption, "Poznámky")                                                                      \
    K(CloseControl, "CLOSE CONTROL", Caption, "Koniec kontroly")                                                             \
    K(ColorTitle, "COLOR TITLE", Setting, "0")                                                                               \
    K(ContentTooLarge, "CONTENT TOO LARGE", Message, "Súbor je väčší ako 16 MB, na obsah obrazovky je príliš veľký:")        \
    K(ContentTooLong, "CONTENT TOO LONG", Message,                                                                           \
      "Obrazovka má viac ako 20 tlačidiel a odkazov; tie za dvadsiatym sa nezobrazujú. Súbor:")                              \
    K(Coordinates, "COORDINATES", Message, "Súradnice laveho horneho rohu presiahli rozmer obrazovky !")                     \
    K(CopyrightAnother1Label, "COPYRIGHT ANOTHER1 LABEL", Caption, nullptr)                                                  \
    K(CopyrightAnother2Label, "COPYRIGHT ANOTHER2 LABEL", Caption, nullptr)                                                  \
    K(CopyrightAnother3Label, "COPYRIGHT ANOTHER3 LABEL", Caption, nullptr)                                                  \
    K(Copyright1Label, "COPYRIGHT1 LABEL", Caption, "Program je vytvorený s knižnicou Qt")                                   \
    K(Copyright1Www, "COPYRIGHT1 WWW", Setting, "https://www.qt.io")                                                         \
    K(Copyright2Label, "COPYRIGHT2 LABEL", Caption, nullptr)                                                                 \
    K(Copyright2Www, "COPYRIGHT2 WWW", Setting, nullptr)                                                                     \
    K(Copyright3Label, "COPYRIGHT3 LABEL", Caption, nullptr)                                                                 \
    K(Copyright3Www, "COPYRIGHT3 WWW", Setting, nullptr)                                                                     \
    K(Copyright4Label, "COPYRIGHT4 LABEL", Caption, nullptr)                                                                 \
    K(Copyright4Www, "COPYRIGHT4 WWW", Setting, nullptr)                                                                     \
    K(Copyright5Label, "COPYRIGHT5 LABEL", Caption, nullptr)                                                                 \
    K(Copyright5Www, "COPYRIGHT5 WWW", Setting, nullptr)                                                                     \
    K(CorrectionText1, "CORRECTION TEXT1", Caption, "Texty opravujte cez")                                                   \
    K(CorrectionText2, "CORRECTION TEXT2", Caption, "Editácia textu")                                                        \
    K(DefaultContent, "DEFAULT CONTENT", Setting, "Obsah.txt")                                                               \
    K(Dimensions, "DIMENSIONS", Message, "Rozmery okna v CONFIG.TXT sú príliš malé!")                                        \
    K(DiskFull, errortext::DiskFull.key, Message, errortext::DiskFull.defaultText)                                           \
    K(EditBusy, "EDIT BUSY", Message,                                                                                        \
      "Túto lekciu práve upravuje iný program (napríklad druhé okno Lumory); upravte ju, keď ju zavrie.")                    \
    K(EditableMemo, "EDITABLE MEMO", Message, "Najskôr musíte ukončiť editáciu textu, uložte text")                          \
    K(EditlectNotRtf, "EDITLECT NOT RTF", Message,                                                                           \
      "Formátovaný text nie je vo formáte RTF; editor ho ponechá bez zmeny:")                                                \
    K(Education, "EDUCATION", Caption, "Výukový program")                                                                    \
    K(End, "END", Question, "Chcete ukončiť program ?")                                                                      \
    K(EndButtonCaption, "END BUTTON CAPTION", Caption, "Koniec")                                                             \
    K(EraseNotes, "ERASE NOTES", Question, "Naozaj chcete vymazať poznámku ??? Nonono !")                                    \
    K(ExportBusy, "EXPORT BUSY", Message, "Priečinok obsahuje iné súbory; vyberte prázdny priečinok.")                       \
    K(ExportCancelled, "EXPORT CANCELLED", Message, "Export bol zrušený.")                                                   \
    K(ExportChoose, "EXPORT CHOOSE", Caption, "Vybrať…")                                                                     \
    K(ExportClose, "EXPORT CLOSE", Caption, "Zavrieť")                                                                       \
    K(ExportContents, "EXPORT CONTENTS", Caption, "Obsah kurzu")                                                             \
    K(ExportCourseTitle, "EXPORT COURSE TITLE", Caption, "Export kurzu na web")                                              \
    K(ExportDone, "EXPORT DONE", Message, "Kurz je vyexportovaný:")                                                          \
    K(ExportEmpty, "EXPORT EMPTY", Message, "Kurz nemá žiadne poznámky ani vlastné odkazy:")                                 \
    K(ExportFailed, "EXPORT FAILED", Message, "Export sa nepodaril:")                                                        \
    K(ExportForeign, "EXPORT FOREIGN", Message,                                                                              \
      "Súbor už existuje a nie je balíkom z predchádzajúceho exportu; nenahradí sa, vyberte iný názov.")                     \
    K(ExportInside, "EXPORT INSIDE", Message, "Cieľ leží v priečinku kurzu; vyberte iný.")                                   \
    K(ExportIsFolder, "EXPORT IS FOLDER", Message, "Cieľ je priečinok, nie súbor .zip.")                                     \
    K(ExportMissing, "EXPORT MISSING", Caption, "chýba")                                                                     \
    K(ExportNeedsPlayer, "EXPORT NEEDS PLAYER", Caption, "potrebuje prehrávač Lumora na počítači")                           \
    K(ExportNext, "EXPORT NEXT", Caption, "Nasledujúca")                                                                     \
    K(ExportNoCourse, "EXPORT NO COURSE", Message, "Kurz sa nenašiel:")                                                      \
    K(ExportNoTarget, "EXPORT NO TARGET", Message, "Vyberte cieľ exportu.")                                                  \
    K(ExportNotFolder, "EXPORT NOT FOLDER", Message, "Cieľ nie je priečinok.")                                               \
    K(ExportOpen, "EXPORT OPEN", Question, "Otvoriť ho v prehliadači?")                                                      \
    K(ExportOutside, "EXPORT OUTSIDE", Caption, "leží mimo kurzu")                                                           \
    K(ExportPrevious, "EXPORT PREVIOUS", Caption, "Predchádzajúca")                                                          \
    K(ExportProblems, "EXPORT PROBLEMS", Message,                                                                            \
      "Kurz je vyexportovaný, ale tieto položky chýbajú alebo ležia mimo kurzu:")                                            \
    K(ExportRun, "EXPORT RUN", Caption, "Exportovať")                                                                        \
    K(ExportSaved, "EXPORT SAVED", Message, "Export je uložený do")                                                          \
    K(ExportScorm, "EXPORT SCORM", Caption, "Balík SCORM 1.2 pre LMS (súbor .zip)")                                          \
    K(ExportScorm2004, "EXPORT SCORM 2004", Caption, "Balík SCORM 2004 (4. vydanie) pre LMS (súbor .zip)")                   \
    K(ExportSearch, "EXPORT SEARCH", Caption, "Hľadať v kurze")                                                              \
    K(ExportSearchButton, "EXPORT SEARCH BUTTON", Caption, "Hľadať")                                                         \
    K(ExportSearchNone, "EXPORT SEARCH NONE", Caption, "Nič sa nenašlo.")                                                    \
    K(ExportSearchResults, "EXPORT SEARCH RESULTS", Caption, "Nájdené obrazovky:")                                           \
    K(ExportSearchScript, "EXPORT SEARCH SCRIPT", Caption,                                                                   \
      "Vyhľadávanie potrebuje JavaScript; obsah kurzu je prístupný aj bez neho.")                                            \
    K(ExportStart, "EXPORT START", Caption, "Začať kurz")                                                                    \
    K(ExportStop, "EXPORT STOP", Caption, "Zrušiť")                                                                          \
    K(ExportTarget, "EXPORT TARGET", Caption, "Cieľ:")                                                                       \
    K(ExportTitle, "EXPORT TITLE", Caption, "Poznámky a odkazy:")                                                            \
    K(ExportWeb, "EXPORT WEB", Caption, "Webová stránka do priečinka")                                                       \
    K(FindLessonClose, "FIND LESSON CLOSE", Caption, "Zavrieť hľadanie (Esc)")                                               \
    K(FindLessonLabel, "FIND LESSON LABEL", Caption, "&Hľadať:")                                                             \
    K(FindLessonNext, "FIND LESSON NEXT", Caption, "Ďalší výskyt (F3)")                                                      \
    K(FindLessonNone, "FIND LESSON NONE", Caption, "Nenájdené")                                                              \
    K(FindLessonPrevious, "FIND LESSON PREVIOUS", Caption, "Predchádzajúci výskyt (Shift+F3)")                               \
    K(ForgetProgress, "FORGET PROGRESS", Question,                                                                           \
      "Vymazať postup tohto kurzu? Značky navštívených obrazoviek sa stratia, poznámky a odkazy zostanú.")                   \
    K(ForgetProgressFailed, "FORGET PROGRESS FAILED", Message, "Postup kurzu sa nepodarilo vymazať:")                        \
    K(FolderNotOpened, "FOLDER NOT OPENED", Message, "Program sa nepodarilo spustiť v priečinku")                            \
    K(FolderUnreadable, "FOLDER UNREADABLE", Message, "Tento priečinok sa nedá čítať:")                                      \
    K(FileTooLarge, errortext::FileTooLarge.key, Message, errortext::FileTooLarge.defaultText)                               \
    K(FontsizeButton, "FONTSIZE BUTTON", Setting, "11")                                                                      \
    K(FontsizeMemo, "FONTSIZE MEMO", Setting, "11")                                                                          \
    K(Height, "HEIGHT", Setting, "640")                                                                                      \
    K(Http, "HTTP", Caption, "Odkazy:")                                                                                      \
    K(Ip, "IP", Message, " IP adresa počítača")                                                                              \
    K(IpNone, "IP NONE", Message, " Počítač nie je zapojený v sieti")                                                        \
    K(LeftCorner, "LEFT CORNER", Setting, "0")                                                                               \
    K(LevelLimit, "LEVEL LIMIT", Message, "Hlbšia obrazovka sa nedá otvoriť: program zobrazí najviac 20 úrovní.")            \
    K(LinkProgram, "LINK PROGRAM", Message, " - odkaz nespúšťa programy")                                                    \
    K(LessonChanged, "LESSON CHANGED", Question,                                                                             \
      "Lekciu medzitým uložil iný program (napríklad druhé okno Lumory). Prepísať ju textom z tohto editora?")               \
    K(LinkRefused, "LINK REFUSED", Message, " - odkaz vedie mimo programového adresára; program ho neotvorí")                \
    K(LinksChanged, "LINKS CHANGED", Message,                                                                                \
      "Zoznam odkazov medzitým zmenil iný program; zmena sa urobila v jeho zozname.")                                        \
    K(LinksNotSaved, "LINKS NOT SAVED", Message, "Odkazy sa neuložili.")                                                     \
    K(MemoInfo, "MEMO INFO", Caption,                                                                                        \
      "Vyznačte text a pravým tlačidlom myši sa dostanete do nastavenia formátu písma")                                      \
    K(MemoName, "MEMO NAME", Caption, "text lekcie")                                                                         \
    K(MenuAbout, "MENU ABOUT", Caption, "O aplikácii")                                                                       \
    K(MenuAboutCopyright, "MENU ABOUT COPYRIGHT", Caption, "Ochranné známky")                                                \
    K(MenuAboutProgram, "MENU ABOUT PROGRAM", Caption, "O programe")                                                         \
    K(MenuAboutWriteUs, "MENU ABOUT WRITE US", Caption, "Ohlasy autorom")                                                    \
    K(MenuEdit, "MENU EDIT", Caption, "Editácia")                                                                            \
    K(MenuEditLesson, "MENU EDIT LESSON", Caption, "Editácia lekcie")                                                        \
    K(MenuEditMemo, "MENU EDIT MEMO", Caption, "Editácia textu")                                                             \
    K(MenuEnd, "MENU END", Caption, "Koniec")                                                                                \
    K(MenuExport, "MENU EXPORT", Caption, "Export poznámok a odkazov")                                                       \
    K(MenuExportCourse, "MENU EXPORT COURSE", Caption, "Export kurzu na web…")                                               \
    K(MenuForgetProgress, "MENU FORGET PROGRESS", Caption, "Vymazať postup kurzu…")                                          \
    K(MenuFind, "MENU FIND", Caption, "Hľadať v kurze")                                                                      \
    K(MenuFindLesson, "MENU FIND LESSON", Caption, "Hľadať v lekcii")                                                        \
    K(MenuHelp, "MENU HELP", Caption, "Pomocník")                                                                            \
    K(MenuHttp, "MENU HTTP", Caption, "Odkazy")                                                                              \
    K(MenuIgnoreMemo, "MENU IGNORE MEMO", Caption, "Ignorovať zmeny")                                                        \
    K(MenuIntegrity, "MENU INTEGRITY", Caption, "Kontrola integrity")                                                        \
    K(MenuNotes, "MENU NOTES", Caption, "Poznámky")                                                                          \
    K(MenuOwnself, "MENU OWNSELF", Caption, "Vlastné")                                                                       \
    K(MenuPdf, "MENU PDF", Caption, "Uložiť lekciu ako PDF…")                                                                \
    K(MenuPrint, "MENU PRINT", Caption, "Tlačiť lekciu…")                                                                    \
    K(MenuSaveMemo, "MENU SAVE MEMO", Caption, " Uloženie textu")                                                            \
    K(MenuSearch, "MENU SEARCH", Caption, "Hľadaj")                                                                          \
    K(MenuTree, "MENU TREE", Caption, "Strom")                                                                               \
    K(MenuWriteUs, "MENU WRITE US", Caption, "Ohlasy autorom")                                                               \
    K(MissingFiles, "MISSING FILES", Caption, "Zoznam chýbajúcich a zacyklených súborov")                                    \
    K(MyHttp, "MY HTTP", Caption, "Vlastné odkazy:")                                                                         \
    K(Name, "NAME", Caption, "Lumora - program pre samoštúdium")                                                             \
    K(NoCourses, "NO COURSES", Message, "V tomto priečinku sa nenašli žiadne kurzy:")                                        \
    K(Nonexe, "NONEXE", Message, " - Program sa nedá spustiť")                                                               \
    K(Nonfile, "NONFILE", Message, " - súbor neexistuje")                                                                    \
    K(NotFound, "NOT FOUND", Message, "Nenašlo ")                                                                            \
    K(NoteChanged, "NOTE CHANGED", Question,                                                                                 \
      "Poznámku medzitým zmenil iný program (napríklad druhé okno Lumory). Prepísať ju týmto textom?")                       \
    K(NoteTooLarge, "NOTE TOO LARGE", Message, "Poznámka je väčšia ako 16 MB a nedá sa uložiť.")                             \
    K(Nothing, "NOTHING", Message, "Nemám čo hladať ")                                                                       \
    K(NothingMissing, "NOTHING MISSING", Caption, "Žiadny súbor nechýba a žiadny nie je zacyklený.")                         \
    K(OpenFolder, "OPEN FOLDER", Caption, "Otvoriť priečinok s kurzami…")                                                    \
    K(PathLotus, "PATH LOTUS", Setting, nullptr)                                                                             \
    K(PathTemp, "PATH TEMP", Setting, nullptr)                                                                               \
    K(PrintCancel, "PRINT CANCEL", Caption, "Zrušiť")                                                                        \
    K(PrintFailed, "PRINT FAILED", Message, "Lekciu sa nepodarilo vytlačiť.")                                                \
    K(PrintProgress, "PRINT PROGRESS", Caption, "Pripravujem strany…")                                                       \
    K(ProgressScreens, "PROGRESS SCREENS", Caption, "Navštívené obrazovky:")                                                 \
    K(RecentFolders, "RECENT FOLDERS", Caption, "Naposledy otvorené priečinky:")                                             \
    K(Resume, "RESUME", Caption, "Pokračovať tam, kde ste skončili")                                                         \
    K(RtfNotRichText, "RTF NOT RICH TEXT", Message,                                                                          \
      "Súbor s formátovaným textom nie je vo formáte RTF; zobrazuje sa text z obsahu obrazovky a prvé uloženie textu " \
      "ho odloží ako .old:")                                                                                                 \
    K(SampleCourses, "SAMPLE COURSES", Caption, "Otvoriť ukážkové kurzy")                                                    \
    K(SaveCharacters, "SAVE CHARACTERS", Message, "Tieto znaky sa v kódovaní Windows-1250 nedajú uložiť:")                   \
    K(SaveCharactersQuestion, "SAVE CHARACTERS QUESTION", Question, "Uložiť ich ako „?“ ?")                                  \
    K(SaveHttp, "SAVE HTTP", Question, "Pridať napísaný odkaz ?")                                                            \
    K(SaveMemoQuestion, "SAVE MEMO?", Question, " Chcete uložiť memo?")                                                      \
    K(SaveNote, "SAVE NOTE", Message, "Poznámka je uložená do")                                                              \
    K(SaveNoteQuestion, "SAVE NOTE?", Question, "Poznámka sa zmenila. Chcete ju uložiť?")                                    \
    K(SaveWww, "SAVE WWW", Message, "Stránka je uložená do ")                                                                \
    K(Scm, "SCM", Message, "Neexistuje ukážka .scm")                                                                         \
    K(Scplayer, "SCPLAYER", Message, "Neexistuje SCPLAYER")                                                                  \
    K(SearchEndButtonCaption, "SEARCH END BUTTON CAPTION", Caption, "Koniec vyhľadávania")                                   \
    K(SearchWindowCaption, "SEARCH WINDOW CAPTION", Caption, "Vyhľadávacie okno")                                            \
    K(SettingsDamaged, "SETTINGS DAMAGED", Message,                                                                          \
      "Nastavenia programu sa nedali prečítať, program začína s novými. Pôvodný súbor je uložený ako")                       \
    K(Temp, "TEMP", Message, " Neexistuje pracovný adresár")                                                                 \
    K(Text, "TEXT", Message, "Neexistuje textový súbor")                                                                     \
    K(Text1, "TEXT1", Message, "Neexistuje textový súbor")                                                                   \
    K(Text2, "TEXT2", Question, "Chcete ho teraz vytvoriť ?")                                                                \
    K(TopCorner, "TOP CORNER", Setting, "0")                                                                                 \
    K(TreeLimit, "TREE LIMIT", Message, "Kurz je príliš rozsiahly: strom ukazuje iba jeho prvých %1 položiek.")              \
    K(TrimButtonLargeText, "TRIM BUTTON LARGE TEXT", Setting, "16")                                                          \
    K(TrimButtonSmallText, "TRIM BUTTON SMALL TEXT", Setting, "19")                                                          \
    K(Uneditable, "UNEDITABLE", Message, " Nemáte práva na zápis do adresára")                                               \
    K(Visited, "VISITED", Caption, "navštívené")                                                                             \
    K(Width, "WIDTH", Setting, "700")                                                                                        \
    K(WindowCaption, "WINDOW CAPTION", Caption, "Lumora")                                                                    \
    K(WindowCopy, "WINDOW COPY", Caption, "Kopírovanie")                                                                     \
    K(WindowCopyClose, "WINDOW COPY CLOSE", Caption, "Koniec")                                                               \
    K(WindowCopyDate, "WINDOW COPY DATE", Caption, "Dátum zmeny")                                                            \
    K(WindowCopyFiles, "WINDOW COPY FILES", Caption, "Súbory priečinka")                                                     \
    K(WindowCopyFolders, "WINDOW COPY FOLDERS", Caption, "Priečinky")                                                        \
    K(WindowCopyLabel, "WINDOW COPY LABEL", Caption, "Kopírovanie")                                                          \
    K(WindowCopyMaska, "WINDOW COPY MASKA", Caption, "Zobrazujú sa iba súbory poznámok (*.txt) a odkazov (*.htm)")           \
    K(WindowCopyPlace, "WINDOW COPY PLACE", Caption, "Miesto")                                                               \
    K(WindowCopyProgress, "WINDOW COPY PROGRESS", Caption, "Kopírujem…")                                                     \
    K(WindowCopyReplace, "WINDOW COPY REPLACE", Question, "Súbor už existuje a líši sa od kopírovaného. Nahradiť ho?")       \
    K(WindowCopySize, "WINDOW COPY SIZE", Caption, "Veľkosť")                                                                \
    K(WindowCopyStop, "WINDOW COPY STOP", Caption, "Zastaviť")                                                               \
    K(WindowCopyTarget, "WINDOW COPY TARGET", Caption, "Kopíruje sa do:")                                                    \
    K(WindowCopyToFolder, "WINDOW COPY TO FOLDER", Caption, "Kopírovať do priečinka")                                        \
    K(WindowCopyToWork, "WINDOW COPY TO WORK", Caption, "Kopírovať do pracovného priečinka")                                 \
    K(WindowCopyType, "WINDOW COPY TYPE", Caption, "Typ")                                                                    \
    K(WindowCopyWorkFiles, "WINDOW COPY WORK FILES", Caption, "Súbory pracovného priečinka")                                 \
    K(WindowEditlect, "WINDOW EDITLECT", Caption, "Editácia lekcie")                                                         \
    K(WindowEditlectCancel, "WINDOW EDITLECT CANCEL", Caption, "Zruš zmeny")                                                 \
    K(WindowEditlectSave, "WINDOW EDITLECT SAVE", Caption, "Ulož")                                                           \
    K(WindowFindClear, "WINDOW FIND CLEAR", Caption, "Vymazať hľadaný text")                                                 \
    K(WindowFindClose, "WINDOW FIND CLOSE", Caption, "Návrat")                                                               \
    K(WindowFindCount, "WINDOW FIND COUNT", Caption, "Nájdené obrazovky:")                                                   \
    K(WindowFindReading, "WINDOW FIND READING", Caption, "Čítam kurz…")                                                      \
    K(WindowFindResults, "WINDOW FIND RESULTS", Caption, "Nájdené obrazovky")                                                \
    K(WindowFindShow, "WINDOW FIND SHOW", Caption, "Zobraz okno")                                                            \
    K(WindowFindText, "WINDOW FIND TEXT", Caption, "Hľadaj:")                                                                \
    K(WindowHttpAdd, "WINDOW HTTP ADD", Caption, "Pridaj/Oprav odkaz")                                                       \
    K(WindowHttpCancel, "WINDOW HTTP CANCEL", Caption, "Zruš zmeny")                                                         \
    K(WindowHttpEdit, "WINDOW HTTP EDIT", Caption, "Oprav")                                                                  \
    K(WindowHttpEnd, "WINDOW HTTP END", Caption, "Koniec")                                                                   \
    K(WindowHttpErase, "WINDOW HTTP ERASE", Caption, "Vymaž odkaz")                                                          \
    K(WindowHttpList, "WINDOW HTTP LIST", Caption, "Zoznam:")                                                                \
    K(WindowHttpSave, "WINDOW HTTP SAVE", Caption, "Ulož")                                                                   \
    K(WindowNotesCancel, "WINDOW NOTES CANCEL", Caption, "Zruš zmeny")                                                       \
    K(WindowNotesEnd, "WINDOW NOTES END", Caption, "Koniec")                                                                 \
    K(WindowNotesErase, "WINDOW NOTES ERASE", Caption, "Vymaž poznámku")                                                     \
    K(WindowNotesSave, "WINDOW NOTES SAVE", Caption, "Ulož")                                                                 \
    K(WindowNotesText, "WINDOW NOTES TEXT", Caption, "Text poznámky")                                                        \
    K(WindowPicture, "WINDOW PICTURE", Caption, "Obrázok")                                                                   \
    K(WindowPictureClose, "WINDOW PICTURE CLOSE", Caption, "Zavri")                                                          \
    K(WindowSearchFind, "WINDOW SEARCH FIND", Caption, "Hľadaj text")                                                        \
    K(WindowSearchNext, "WINDOW SEARCH NEXT", Caption, "Hľadaj ďalej")                                                       \
    K(WindowSearchShow, "WINDOW SEARCH SHOW", Caption, "Zobraz okno")                                                        \
    K(WriteFailed, errortext::WriteFailed.key, Message, errortext::WriteFailed.defaultText)                                  \
    K(WriteLink, errortext::LinkOutside.key, Message, errortext::LinkOutside.defaultText)                                    \
    K(WwwDefault, "WWW DEFAULT", Setting, "https://www.lumora.sk")

namespace lumora::keys {

#define LUMORA_TEXT_KEY_ENTRY(name, key, kind, text) inline constexpr TextKey name{key, TextKey::Kind::kind, text};
LUMORA_TEXT_KEYS(LUMORA_TEXT_KEY_ENTRY)
#undef LUMORA_TEXT_KEY_ENTRY

// Every entry, for the checks of the table.
#define LUMORA_TEXT_KEY_ADDRESS(name, key, kind, text) &name,
inline constexpr const TextKey *All[] = {LUMORA_TEXT_KEYS(LUMORA_TEXT_KEY_ADDRESS)};
#undef LUMORA_TEXT_KEY_ADDRESS

// An entry whose default is worked out while the program runs (a null default above:
// a folder, a text built elsewhere).
inline BuiltTextKey withDefault(const TextKey &entry, const QString &defaultText)
{
    return {entry.name(), defaultText};
}

// The entry built while the program runs: "CONTENT <file>" names the message for a
// missing content file, by default "Neexistuje <file>".
inline BuiltTextKey contentMissing(const QString &contentFile)
{
    return {QStringLiteral("CONTENT ") + contentFile, QStringLiteral("Neexistuje ") + contentFile};
}

} // namespace lumora::keys

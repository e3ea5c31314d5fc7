LUMORA - záznam ukážky (zástupný súbor)
Názov: Práca s myšou
Obsah: kliknutie, dvojklik, pravé tlaèidlo a presúvanie ikony do prieèinka.
Skutoèný záznam obrazovky sem uloží autor kurzu; prehrávaè ho spustí s prepínaèmi /s/c.

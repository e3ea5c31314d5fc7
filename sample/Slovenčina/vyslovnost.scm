LUMORA - záznam ukáky (zástupnı súbor)
Názov: Vıslovnos písmena ä
Obsah: v spisovnej vıslovnosti sa ä vyslovuje ako e: mäso [meso], pä [pe].
Skutoènı záznam obrazovky sem uloí autor kurzu; prehrávaè ho spustí s prepínaèmi /s/c.

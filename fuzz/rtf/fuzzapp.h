#pragma once
// The rich text targets need a QGuiApplication (text documents use fonts); it is made
// once, on the offscreen platform.
#include <QGuiApplication>

inline void startFuzzApplication(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

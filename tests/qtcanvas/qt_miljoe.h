// The Qt application that painting with fonts needs, made once per test program, offscreen.
#pragma once

#include <QGuiApplication>
#include <QtGlobal>

namespace taglo::test
{

inline void SikrQtApplikation()
{
    if (QGuiApplication::instance() != nullptr)
    {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char navn[] = "taglo_qtcanvas_tests";
    static char* argv[] = {navn, nullptr};
    static QGuiApplication app(argc, argv);
}

} // namespace taglo::test

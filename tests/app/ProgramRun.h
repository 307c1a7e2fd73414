#pragma once

// Runs the real program as a user runs it, for the tests that check what a command does end to end.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

// What the real program did: its exit status (-1 when it did not exit normally) and its two outputs.
struct TProgramRun {
    int status = -1;
    QByteArray out;
    QString err;
};

// The caller's environment without any display: the program must choose how to draw by itself.
inline QProcessEnvironment EnvironmentWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

inline TProgramRun RunProgram(const QStringList& args, const QProcessEnvironment& environment = EnvironmentWithoutDisplay())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(BHNCALC_PROGRAM, args);
    EXPECT_TRUE(process.waitForFinished(120000)) << args.join(' ').toStdString();
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// Start-up of the program, step by step, and the message loop.
#pragma once

#include <windows.h>

#include <string>

#include "version.h"

constexpr const char* OVERLAY_TITLE = "Quillcast Mainwindow";
constexpr const char* OVERLAY_CLASS = "ClassIsTheAnnot";
constexpr const char* VERSION_TEXT = QC_VERSION_TEXT;

// Creates every long-lived object in the fixed start-up order and shows the
// overlay over a fresh picture of the screen. False when another instance
// already runs (the user has been told); nothing then needs undoing.
bool StartUp(HINSTANCE instance);

// Runs until the exit flag or a quit message; returns the exit code.
int RunMessageLoop();

// The individual steps, in the order StartUp calls them.
void StartGdiplus();
bool AnotherInstanceRuns();
void RegisterWindowClasses();
void CreateDialogs();
void CreateTextEdit();
void ShowFirstPicture();
void HandleFirstRun();

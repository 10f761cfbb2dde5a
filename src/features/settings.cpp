// Settings.dat on disk, and the step that shows loaded options in the dock,
// the text bar and the options dialog.
#include "features/settings.h"

#include "core/options.h"
#include "core/text_file.h"
#include "dock/dock.h"
#include "features/options_dialog.h"
#include "win/files.h"
#include "win/message.h"
#include "win/program.h"

static const char* const MSG_NO_OPTIONS_FILE = "fileOptions could not be found.";
static const char* const MSG_WRITE_FAILED = "Could not write options file.";
static const char* const TITLE_WRITE_FAILED = "Quillcast";

void SetDefaults() {
    SetOptionTableDefaults();
    FillDockLists();
}

// Every start and every cancel of the options dialog puts the dock at the
// top and the whiteboard off.
void ApplySettingsToControls() {
    opts[IDOPTS_DOCKTOP] = 1;
    opts[IDOPTS_WHITEBOARD] = 0;
    ShowOptionsInDock();
    ShowOptionsInDialog();
}

void LoadSettings() {
    std::string text;
    if (!ReadStoredText(settingsPath, text)) {
        ShowUserMessage(MSG_NO_OPTIONS_FILE, "Quillcast");
        return;
    }
    ParseSettings(text);
    ApplySettingsToControls();
}

bool SaveSettings() {
    if (WriteFileReplacing(settingsPath, WithCrLf(FormatSettings()))) return true;
    ShowUserMessage(MSG_WRITE_FAILED, TITLE_WRITE_FAILED);
    return false;
}

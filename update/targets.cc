#include "update/targets.h"

#define ARRAY_SIZE(a) (sizeof(a) / sizeof((a)[0]))

static const RewriteRule kPlayerControllerRules[] = {
    {"OverridePlayerControllerClass=class'DOTZEngine.DOTZPlayerController'\n",
     "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'\n",
     "Override Player Controller class changed.\n"},
    {"OverridePlayerControllerClass=Class'DOTZEngine.DOTZPlayerController'\n",
     "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'\n",
     "Override Player Controller class changed.\n"},
    {"OverridePlayerControllerClass=Class'Korvane_V11.ZPlayerController'\n",
     "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'\n",
     "Override Player Controller class changed.\n"},
};

// The "%" sequences are the game's own text and are never expanded.
static const RewriteRule kDownloadMessageRules[] = {
    {"ReceiveFile=\n", "ReceiveFile=Downloading File %s\n",
     "ReceiveFile= parameter changed.\n"},
    {"ReceiveOptionalFile=\n",
     "ReceiveOptionalFile=Downloading Optional Package %s\n",
     "ReceiveOptionalFile= parameter changed.\n"},
    {"ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%%\n",
     "ReceiveSize=Downloading: Size %iK, Complete %3.1f%%\n",
     "ReceiveSize= parameter changed.\n"},
};

const UpdateTarget kLotdIniTarget = {
    "LOTD.ini",
    "LOTD.ini.bak",
    {
        "\n\nUpdating LOTD.ini file...\n\n",
        "Could not find LOTD.ini file. Exiting...\n",
        "LOTD.ini file found and opened.  Attempting to create backup file to "
        "LOTD.ini.bak.\n",
        "Could not open LOTD.ini.bak to create backup file. Exiting...\n",
        "Could not read LOTD.ini to create backup file. Exiting...\n",
        "Could not write LOTD.ini.bak to create backup file. Exiting...\n",
        "LOTD.ini.bak file created.  Attempting to change LOTD.ini file.\n",
        "Could not open LOTD.ini.bak for reading. Exiting...\n",
        "Could not open LOTD.ini for writing.\n",
        "Could not write LOTD.ini; it was restored from LOTD.ini.bak. "
        "Exiting...\n",
        "Could not write LOTD.ini; its original content is in LOTD.ini.bak. "
        "Exiting...\n",
        "File successfully changed.\n",
        "No entry was found to change.\n",
    },
    "[AdvancedEngine.AdvancedGameInfo]\n",
    kPlayerControllerRules,
    ARRAY_SIZE(kPlayerControllerRules),
};

const UpdateTarget kEngineIntTarget = {
    "Engine.int",
    "Engine.int.bak",
    {
        "\n\nUpdating Engine.int file...\n\n\n",
        "Could not find Engine.int file. Exiting...\n",
        "Engine.int file found and opened.  Attempting to create backup file "
        "to Engine.int.bak.\n",
        "Could not open Engine.int.bak to create backup file. Exiting...\n",
        "Could not read Engine.int to create backup file. Exiting...\n",
        "Could not write Engine.int.bak to create backup file. Exiting...\n",
        "Engine.int.bak file created.  Attempting to change Engine.int file.\n",
        "Could not open Engine.int.bak for reading. Exiting...\n",
        "Could not open Engine.int for writing.\n",
        "Could not write Engine.int; it was restored from Engine.int.bak. "
        "Exiting...\n",
        "Could not write Engine.int; its original content is in "
        "Engine.int.bak. Exiting...\n",
        "File successfully changed.\n",
        "No entry was found to change. Exiting...\n",
    },
    "[Progress]\n",
    kDownloadMessageRules,
    ARRAY_SIZE(kDownloadMessageRules),
};

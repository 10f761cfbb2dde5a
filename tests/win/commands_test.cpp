// The command table: one entry per action, each with its own name and keys.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/commands.h"

TEST(Commands, EveryIdHasOneEntryWithItsOwnLowerCaseName) {
    std::set<unsigned> ids;
    std::set<std::string> names;
    for (int i = 0; i < COMMAND_TABLE_SIZE; ++i) {
        const Command& c = commandTable[i];
        EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id << " appears twice";
        EXPECT_TRUE(names.insert(c.name).second) << "name " << c.name << " appears twice";
        EXPECT_EQ(std::string(c.name).find_first_not_of("abcdefghijklmnopqrstuvwxyz-"), std::string::npos)
            << "name " << c.name;
        EXPECT_EQ(FindCommand(c.id), &c) << "entry found for " << c.name;
    }
    EXPECT_EQ(ids.size(), CMD_COUNT - 1u) << "commands in the table";
}

TEST(Commands, NoTwoCommandsShareAKeyAndEachKeyRunsItsOwnCommand) {
    for (int i = 0; i < COMMAND_TABLE_SIZE; ++i) {
        for (const KeyCombo& k : commandTable[i].keys) {
            if (k.key == 0) continue;
            EXPECT_EQ(CommandForKey(k.key, k.mods & KEY_MOD_CTRL), commandTable[i].id)
                << KeyComboText(k) << " runs " << commandTable[i].name;
        }
    }
}

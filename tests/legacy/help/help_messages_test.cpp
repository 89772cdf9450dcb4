// The host's help message table: keys are clean captions, texts are trimmed, a key is taken
// once, and composite strings split at their first "|".
#include <gtest/gtest.h>

#include "help/help_messages.h"
#include "subclass/collection_error.h"

using brocade::CollectionError;
using brocade::HelpMessageTable;

TEST(HelpMessages, CaptionsThatCleanAlikeNameOneEntry) {
    HelpMessageTable table;
    table.AddMessage("&Save As...\tCtrl+Shift+S", "Saves under a new name");
    EXPECT_EQ(table.Find("SAVE AS"), "Saves under a new name");
    EXPECT_EQ(table.Find("save as"), "Saves under a new name") << "keys compare without regard to case";
    EXPECT_EQ(table.Find("&Save As..."), "") << "the look-up takes its key as given";
    EXPECT_EQ(table.Count(), 1u);
}

TEST(HelpMessages, TheTextIsStoredWithoutLeadingAndTrailingBlanks) {
    HelpMessageTable table;
    table.AddMessage("Open", "   Opens a document  ");
    EXPECT_EQ(table.Find("OPEN"), "Opens a document");
}

TEST(HelpMessages, ADuplicateKeyRaisesTheCollectionErrorAndTheFirstEntryStays) {
    HelpMessageTable table;
    table.AddMessage("&Open...", "First");
    try {
        table.AddMessage("open", "Second");
        FAIL() << "no error for a duplicate key";
    } catch (const CollectionError &error) {
        EXPECT_EQ(error.Number(), 457);
    }
    EXPECT_EQ(table.Find("OPEN"), "First");
    EXPECT_EQ(table.Count(), 1u);
}

TEST(HelpMessages, ACompositeSplitsAtTheFirstBarOnly) {
    HelpMessageTable table;
    table.AddCompositeMessage("&Open...\tCtrl+O| Opens a document | or two ");
    EXPECT_EQ(table.Find("OPEN"), "Opens a document | or two");
}

TEST(HelpMessages, ACompositeWithoutABarIsIgnored) {
    HelpMessageTable table;
    table.AddCompositeMessage("Open: opens a document");
    EXPECT_EQ(table.Count(), 0u);
}

TEST(HelpMessages, ACompositeOfBarsOnlyKeepsTheRestUnderTheEmptyKey) {
    HelpMessageTable table;
    table.AddCompositeMessage("|");
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Find(""), "");
    table.AddCompositeMessage("Edit||||");
    EXPECT_EQ(table.Find("EDIT"), "|||");
    EXPECT_THROW(table.AddCompositeMessage("||"), CollectionError) << "the empty key is taken";
}

TEST(HelpMessages, RemoveTakesAnyCaptionOfTheEntryAndIgnoresMissingOnes) {
    HelpMessageTable table;
    table.AddMessage("Open", "Opens");
    table.RemoveMessage("Missing");
    EXPECT_EQ(table.Count(), 1u);
    table.RemoveMessage("&open...\tCtrl+O");
    EXPECT_EQ(table.Count(), 0u);
    table.AddMessage("Open", "Opens again");
    EXPECT_EQ(table.Find("OPEN"), "Opens again") << "a removed key can be added again";
}

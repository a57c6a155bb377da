#include "platform/edit/EditUndo.h"

#include <gtest/gtest.h>

TEST(EditUndo, RunsMergeOnlyWhenContiguous) {
    TEditUndo u;
    EXPECT_FALSE(u.CanUndo());
    u.Record(eckTyping, 0, "", "a");
    u.Record(eckTyping, 1, "", "b");
    EXPECT_EQ(u.Change().Inserted, "ab");
    u.Record(eckTyping, 5, "", "c"); // typed elsewhere: a new step
    EXPECT_EQ(u.Change().Inserted, "c");
    EXPECT_EQ(u.Change().Pos, 5u);

    u.Record(eckBackspace, 4, "x", "");
    u.Record(eckBackspace, 3, "y", "");
    EXPECT_EQ(u.Change().Removed, "yx");
    EXPECT_EQ(u.Change().Pos, 3u);
    u.Record(eckDelete, 3, "z", "");
    u.Record(eckDelete, 3, "w", "");
    EXPECT_EQ(u.Change().Removed, "zw");
    u.BreakRun();
    u.Record(eckDelete, 3, "v", "");
    EXPECT_EQ(u.Change().Removed, "v");

    TEditChange undo = u.TakeUndo();
    EXPECT_EQ(undo.Removed, "v");
    EXPECT_EQ(u.Change().Inserted, "v"); // the inverse is kept for the redo
    EXPECT_EQ(u.Change().Removed, "");
    u.Reset();
    EXPECT_FALSE(u.CanUndo());
}

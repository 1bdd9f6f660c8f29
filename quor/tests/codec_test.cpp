#include "record.h"

#include <gtest/gtest.h>

using namespace quor;

TEST(Codec, Placeholder) { EXPECT_EQ(kRecordSize, 476u); }

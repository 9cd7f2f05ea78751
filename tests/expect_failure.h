#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/failure.h"

// Expects `statement` to fail with exactly the message `text`.
#define EXPECT_FAILURE(statement, text)                          \
  do {                                                           \
    try {                                                        \
      statement;                                                 \
      ADD_FAILURE() << "no failure from " #statement;            \
    } catch (const ::aquamere::Failure& failure) {               \
      EXPECT_EQ(std::string(failure.what()), std::string(text)); \
    }                                                            \
  } while (false)

#pragma once

#include <random>
#include <string>

namespace aquamere::soak {

// What a user might type into a box on a bad day: numbers of every size and
// sign, empty and blank texts, letters, special spellings, full-width digits,
// emoji, Chinese, and very long texts.
std::string random_text(std::mt19937_64& random);

// A segment count for the batch: mostly small, now and then large or odd.
std::string random_count(std::mt19937_64& random);

}  // namespace aquamere::soak

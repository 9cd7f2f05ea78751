#pragma once

namespace aquamere {

// Flow of one water-supply fixture equivalent, l/s.
inline constexpr double flow_per_equivalent = 0.2;
// The hours of use count in seconds in Uo's denominator.
inline constexpr double seconds_per_hour = 3600;

// The household parameters of one group of dwellings.
struct HouseholdParameters {
  double q0;  // daily water quota per person, L
  double m;   // persons per household
  double kh;  // hourly variation coefficient
  double t;   // hours of use per day
  double ng;  // fixture equivalents of one household
};

// Average outflow probability Uo in percent: the household's peak-hour
// consumption over what its fixtures would draw running the whole time,
// Uo = q0·m·Kh / (0.2·Ng·T·3600) × 100. T or Ng of 0 is a failure.
double average_outflow_probability(const HouseholdParameters& household);

// A group's share of the weighted sum: its equivalents times its probability
// as a fraction, Ng·Uo/100.
double outflow_share(double ng, double uo_percent);

// The Ng-weighted mean Uo in percent of the groups a segment serves, from
// Σ(Ng·Uo/100) and ΣNg. A ΣNg of 0 is a failure.
double weighted_mean_outflow_probability(double sum_of_shares, double sum_ng);

}  // namespace aquamere

#pragma once

#include <array>
#include <string_view>

namespace aquamere {

inline constexpr std::size_t size_count = 9;

// Nominal sizes of every material, smallest first.
inline constexpr std::array<std::string_view, size_count> nominal_sizes = {
    "De20", "De25", "De32", "De40", "De50", "De63", "De75", "De90", "De110"};

// One pipe material's hydraulic table: the inner diameters in mm of De20 …
// De90, the De110 diameter as its text, and the coefficient of the 1000i
// formula, kept in single precision as the material constant it is.
struct Material {
  std::string_view name;
  std::string_view option;  // its option button in the settings dialog
  std::array<double, size_count - 1> inner;
  std::string_view de110;
  float coef_i;
  std::string_view caption;  // what the main window's table label then reads
};

// The four built-in materials, in the order the settings are tested:
// PP-R_JD, PP-R, PP-R_LZ, rigid PVC.
inline constexpr std::array<Material, 4> materials = {{
    {"PP-R_JD", "op_jd", {16, 20.4, 26.2, 32.6, 40.8, 51.4, 61.2, 73.6}, "90", 8.65f, "PP-R_JD水力计算表:"},
    {"PP-R", "op_ppr", {15.6, 20.4, 26.2, 33, 41.4, 52.2, 62.2, 74.8}, "91.6", 8.9696f, "PP-R水力计算表:"},
    {"PP-R_LZ", "op_lz", {16.2, 20.4, 26.2, 32.6, 40.8, 51.4, 61.4, 73.6}, "90", 7.05f, "PP-R_LZ水力计算表:"},
    {"硬聚氯乙稀", "op_sc", {16, 22, 29, 36, 46, 58, 70, 80}, "103", 9.15f, "硬聚氯乙稀水力计算表:"},
}};

inline constexpr const Material& ppr = materials[1];

}  // namespace aquamere

#pragma once
// kestrin-size --fluid: a refrigerant's saturation table as an aligned text
// table with units, or as JSON, one object per row and line.

#include "core/physics/saturation_table.h"

#include <QString>

namespace kestrin {

QString SaturationText(const SaturationTable& table);
// Keys fluid, t_c, p_bubble_kpa, p_dew_kpa, rho_liquid_kg_m3,
// rho_vapour_kg_m3, h_liquid_kj_kg, h_vapour_kj_kg, mu_liquid_upa_s,
// mu_vapour_upa_s, glide_k; null where the source gives no value.
QString SaturationJson(const SaturationTable& table);

}  // namespace kestrin

#pragma once

namespace vorna::documents::instalments {

// The fixed factor by which an imported quotation's gross premium holds the
// net premium and its IOF, whatever the line of business or the IOF rates of
// the settings.
inline constexpr double kImportedPremiumFactor = 1.0738;

struct PremiumSplit {
    double NetPremium = 0.0;
    double Iof = 0.0;
};

// net = gross / 1.0738, then IOF = gross - net; both 0 for a gross of 0.
// Unrounded: the boxes receive all significant digits.
PremiumSplit splitImportedPremium(double grossPremium);

}  // namespace vorna::documents::instalments

#pragma once

// The fan-site zone the banner opens in the web browser: the one place that names it.
inline constexpr char kFanSiteAddress[] = "https://pets.example.org/qorvinvantor/";

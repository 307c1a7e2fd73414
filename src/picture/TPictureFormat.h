#pragma once

// The file formats the chart is written in: pixels, or the same drawing as vectors.
enum class TPictureFormat { Png, Svg, Pdf };

#pragma once

// Which horizontal axis a series is plotted against.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
// Which vertical axis a series is plotted against.
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

#pragma once

enum TChartListOrder { loNone, loAscending, loDescending };

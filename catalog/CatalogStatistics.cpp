// Storage of the statistics counters.
#include "catalog/CatalogStatistics.h"

std::atomic<std::int32_t> CatalogStatistics::s_discs{0};
std::atomic<std::int32_t> CatalogStatistics::s_folders{0};
std::atomic<std::int32_t> CatalogStatistics::s_files{0};
std::atomic<std::uint64_t> CatalogStatistics::s_totalSize{0};

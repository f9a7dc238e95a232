// Generators of the benchmark's inputs: a large catalogue of discs with realistic file names, and
// a large directory tree on disc for the scanner.
#pragma once
#include <cstdint>
#include <string>

class CollectionNode;

struct SyntheticShape
{
    int discs = 1000;
    int entriesPerDisc = 1000;  // file entries per disc, spread over its folders
    int foldersPerDisc = 20;
};

// Fills an empty collection; returns the number of file entries made.
std::uint64_t MakeSyntheticCatalog(CollectionNode& collection, const SyntheticShape& shape,
                                   unsigned seed = 1);

// Makes `folders` folders of `filesPerFolder` small files each (two levels deep) under `root`
// (a Windows path ending in '\'); returns the number of files made.
std::uint64_t MakeSyntheticTree(const std::wstring& root, int folders, int filesPerFolder,
                                unsigned seed = 1);

// A realistic file name (UTF-16), from a fixed random sequence.
std::wstring SyntheticFileName(std::uint32_t& state);

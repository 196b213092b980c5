#pragma once
// The game's record types. Field order is the declaration order of the game.

#include <string>
#include <vector>

#include "forms/reflect.h"

namespace klev {

using Long = long long;  // whole numbers of the game: grams, dollars, twips, ticks

struct BaitPreference {
    std::string BaitName;
    Long Chance = 0;
    void reflect(forms::VarVisitor& v);
};

// One type for a species, a kept fish, a rival's fish and a records-book entry.
struct FishRecord {
    std::string Name;
    Long PictureIndex = 0;
    Long MinWeight = 0;
    Long MaxWeight = 0;
    Long SpeciesValue4 = 0;
    Long Caution = 0;
    Long Strength = 0;
    std::vector<BaitPreference> Baits;  // BaitCount is its size
    Long Weight = 0;
    Long PriceWeightUnit = 0;
    Long PricePerUnit = 0;
    std::string SpeciesName;
    std::string Holder;
    std::string PictureKey;
    void reflect(forms::VarVisitor& v);
};

// One type for the catalog entries and the owned tackle.
struct TackleItem {
    std::string Name;
    Long Strength = 0;
    Long Price = 0;
    std::string SizeName;
    Long Amount = 0;
    Long LineLength = 0;
    Long Power = 0;
    std::string BaitKey;
    void reflect(forms::VarVisitor& v);
};

struct PlaceSpot {
    Long X = 0;
    Long Y = 0;
    void reflect(forms::VarVisitor& v);
};

struct MapInfo {
    std::string Title;
    std::string Folder;
    Long PictureIndex = 0;
    std::vector<PlaceSpot> Places;  // PlaceCount is its size
    void reflect(forms::VarVisitor& v);
};

struct PlaceFishEntry {
    Long SpeciesIndex = 0;
    Long Value = 0;
    void reflect(forms::VarVisitor& v);
};

struct RegularRecord {
    std::string Name;
    Long Drunkenness = 0;
    Long Attitude = 0;
    Long Tolerance = 0;
    Long Skill = 0;
    std::vector<FishRecord> Catch;  // CatchCount is its size
    Long BestWeight = 0;
    void reflect(forms::VarVisitor& v);
};

// 1-based access to the game's lists; throws FatalError naming the list for
// an index outside 1..size (the runtime's "subscript out of range").
template <class T>
T& At(std::vector<T>& list, Long index, const char* listName);
template <class T>
const T& At(const std::vector<T>& list, Long index, const char* listName);

// Appends one element at the end and returns it.
template <class T>
T& Grow(std::vector<T>& list) {
    return list.emplace_back();
}

}  // namespace klev

#include "model/records_inl.h"

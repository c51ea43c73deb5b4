#include "sample/sample_courses.h"

#include <cmath>
#include <map>

namespace sample {

namespace {

// Track codes: turf left 11, left outer 12, right 17, right outer 18,
// straight 10; dirt left 23, right 24; jump 54 (turf), 52 (turf to dirt).
TCourse Turf(int distance, int track, int maxRunners = 18, double weight = 1.0) {
  int corners = track == 10 ? 0 : distance <= 1400 ? 2 : distance <= 2200 ? 4 : 6;
  if (corners > 4) corners = 4;
  return {1, distance, track, maxRunners, corners, weight};
}
TCourse Dirt(int distance, int track, int maxRunners = 16, double weight = 1.0) {
  int corners = distance <= 1400 ? 2 : 4;
  return {2, distance, track, maxRunners, corners, weight};
}
TCourse Jump(int distance, int track = 54) { return {3, distance, track, 14, 4, 1.0}; }

std::map<int, TVenue> BuildVenues() {
  std::map<int, TVenue> v;
  auto add = [&](int code, const char* key, double speed, std::vector<TCourse> courses) {
    TVenue venue;
    venue.code = code;
    venue.keyCode = key;
    venue.jra = code <= 10;
    venue.speed = speed;
    venue.courses = std::move(courses);
    v[code] = venue;
  };
  // JRA: right-handed but Tokyo, Niigata and Chukyo.
  add(1, "01", 0.998, {Turf(1200, 17, 16, 2), Turf(1500, 17, 14), Turf(1800, 17, 14, 2), Turf(2000, 17, 16, 1.5),
                       Turf(2600, 17, 14, 0.5), Dirt(1000, 24, 12), Dirt(1700, 24, 14, 2), Dirt(2400, 24, 14, 0.3)});
  add(2, "02", 0.997, {Turf(1200, 17, 16, 2), Turf(1800, 17, 14, 2), Turf(2000, 17, 16, 1.5), Turf(2600, 17, 14, 0.5),
                       Dirt(1000, 24, 12), Dirt(1700, 24, 14, 2), Dirt(2400, 24, 14, 0.3)});
  add(3, "03", 0.996, {Turf(1200, 17, 16, 2), Turf(1800, 17, 16, 2), Turf(2000, 17, 16, 1.5), Turf(2600, 17, 16, 0.5),
                       Dirt(1150, 24, 15, 2), Dirt(1700, 24, 15, 2), Dirt(2400, 24, 15, 0.3), Jump(2750), Jump(3380)});
  add(4, "04", 1.004, {Turf(1000, 10, 18, 0.8), Turf(1200, 11, 18, 1.5), Turf(1400, 11, 18), Turf(1600, 12, 18, 1.5),
                       Turf(1800, 12, 18, 1.5), Turf(2000, 11, 18), Turf(2200, 11, 18, 0.5), Dirt(1200, 23, 15, 2),
                       Dirt(1800, 23, 15, 2), Jump(2890), Jump(3250)});
  add(5, "05", 1.003, {Turf(1400, 11, 18, 1.5), Turf(1600, 11, 18, 2), Turf(1800, 11, 18, 1.5), Turf(2000, 11, 18, 1.5),
                       Turf(2400, 11, 18, 1.2), Turf(3400, 11, 16, 0.2), Dirt(1300, 23, 16), Dirt(1400, 23, 16, 2),
                       Dirt(1600, 23, 16, 2), Dirt(2100, 23, 16), Jump(3000), Jump(3110)});
  add(6, "06", 0.999, {Turf(1200, 18, 16, 2), Turf(1600, 18, 16, 1.5), Turf(1800, 17, 16, 1.5), Turf(2000, 17, 18, 1.5),
                       Turf(2200, 18, 16), Turf(2500, 18, 16, 0.8), Turf(3600, 17, 16, 0.1), Dirt(1200, 24, 16, 2.5),
                       Dirt(1800, 24, 16, 2.5), Dirt(2400, 24, 16, 0.3), Jump(3200), Jump(4100)});
  add(7, "07", 0.998, {Turf(1200, 11, 18, 1.5), Turf(1400, 11, 18), Turf(1600, 11, 18, 1.5), Turf(2000, 11, 18, 1.5),
                       Turf(2200, 11, 18), Dirt(1200, 23, 16, 2), Dirt(1400, 23, 16, 1.5), Dirt(1800, 23, 16, 2),
                       Dirt(1900, 23, 16), Jump(3000), Jump(3300)});
  add(8, "08", 1.002, {Turf(1200, 17, 18, 1.5), Turf(1400, 18, 18), Turf(1600, 18, 18, 1.5), Turf(1800, 18, 18, 1.5),
                       Turf(2000, 17, 18, 1.5), Turf(2200, 18, 18), Turf(2400, 18, 18, 1), Turf(3000, 18, 18, 0.2),
                       Turf(3200, 18, 18, 0.1), Dirt(1200, 24, 16, 2), Dirt(1400, 24, 16, 1.5), Dirt(1800, 24, 16, 2.5),
                       Dirt(1900, 24, 16), Jump(3170), Jump(3930)});
  add(9, "09", 1.001, {Turf(1200, 17, 18, 1.5), Turf(1400, 17, 18), Turf(1600, 18, 18, 1.5), Turf(1800, 18, 18, 1.5),
                       Turf(2000, 17, 18, 1.5), Turf(2200, 17, 18), Turf(2400, 18, 18, 1), Turf(3000, 18, 16, 0.2),
                       Dirt(1200, 24, 16, 2), Dirt(1400, 24, 16, 1.5), Dirt(1800, 24, 16, 2.5), Dirt(2000, 24, 16, 0.8),
                       Jump(3140), Jump(3900)});
  add(10, "10", 0.999, {Turf(1200, 17, 18, 2.5), Turf(1800, 17, 16, 2), Turf(2000, 17, 18, 1.5), Turf(2600, 17, 16, 0.5),
                        Dirt(1000, 24, 14), Dirt(1700, 24, 16, 2.5), Dirt(2400, 24, 14, 0.2), Jump(2860), Jump(3390)});
  // Local racecourses: dirt only, smaller fields.
  const int locals[][2] = {{30, 24}, {35, 23}, {42, 23}, {43, 23}, {44, 24}, {45, 23},
                           {46, 24}, {47, 24}, {48, 24}, {50, 24}, {54, 24}, {55, 24}};
  for (const auto& [code, track] : locals) {
    char key[3] = {static_cast<char>('0' + code / 10), static_cast<char>('0' + code % 10), 0};
    add(code, key, 0.985,
        {Dirt(1000, track, 12), Dirt(1200, track, 12, 2), Dirt(1400, track, 12, 2), Dirt(1600, track, 12, 1.5),
         Dirt(1800, track, 12), Dirt(2000, track, 12, 0.5)});
  }
  // Countries of the overseas races.
  add(104, "A4", 1.0, {Turf(2400, 11, 14), Dirt(2000, 23, 14)});  // アメリカ
  add(108, "A8", 0.99, {Turf(2400, 17, 18)});                     // フランス
  add(116, "B6", 1.0, {Turf(3200, 11, 18)});                      // オーストラリア
  add(127, "C7", 1.0, {Turf(2410, 11, 16), Dirt(2000, 23, 14)});  // アラブ首長国連邦
  add(160, "G0", 1.0, {Turf(1600, 17, 14), Turf(2000, 17, 14)});  // 香港
  return v;
}

const std::map<int, TVenue>& Venues() {
  static const std::map<int, TVenue> venues = BuildVenues();
  return venues;
}

}  // namespace

const TVenue* FindVenue(int code) {
  auto it = Venues().find(code);
  return it == Venues().end() ? nullptr : &it->second;
}

const std::vector<int>& LocalVenueCodes() {
  static const std::vector<int> codes = {30, 35, 42, 43, 44, 45, 46, 47, 48, 50, 54, 55};
  return codes;
}

std::string VenueKeyCode(int code) {
  const TVenue* venue = FindVenue(code);
  if (venue != nullptr) return venue->keyCode;
  char key[3] = {static_cast<char>('0' + (code / 10) % 10), static_cast<char>('0' + code % 10), 0};
  return key;
}

double StandardTime(const TVenue& venue, const TCourse& course) {
  double d = course.distance;
  double speed;  // metres per second
  if (course.surface == 3) {
    speed = 13.6 - 0.0004 * (d - 3000);
  } else {
    speed = 17.55 - 0.00055 * (d - 1000);
    if (course.surface == 2) speed *= 0.962;
    if (course.track == 10) speed *= 1.012;  // the straight course runs fast
  }
  return d / (speed * venue.speed);
}

}  // namespace sample

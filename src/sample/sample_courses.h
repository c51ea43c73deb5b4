// The racecourses of the sample world: their courses, distances and how
// fast they run.
#pragma once

#include <string>
#include <vector>

namespace sample {

struct TCourse {
  int surface = 1;     // 1 turf, 2 dirt, 3 jump
  int distance = 0;    // metres
  int track = 0;       // JV-Data track code
  int maxRunners = 16;
  int corners = 4;     // corners passed (0 on a straight course)
  double weight = 1;   // how often the programme uses it
};

struct TVenue {
  int code = 0;              // racecourse code as a number
  std::string keyCode;       // the two characters of the race key
  bool jra = true;
  double speed = 1.0;        // course speed factor: above 1 is a fast track
  std::vector<TCourse> courses;
};

// The JRA racecourse of a code 1-10, a local racecourse (30-61) or an
// overseas country (100+); null when the world does not race there.
const TVenue* FindVenue(int code);

// The local racecourses the world races at.
const std::vector<int>& LocalVenueCodes();

// Countries of the overseas races, as racecourse codes (e.g. 104 for "A4").
std::string VenueKeyCode(int code);

// The time in seconds an average open-class horse runs the course on good
// going: the yardstick from which every runner's time is made.
double StandardTime(const TVenue& venue, const TCourse& course);

}  // namespace sample

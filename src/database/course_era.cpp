#include "database/course_era.h"

namespace {

constexpr TCourseEra kCourseEras[] = {
    {9, 200612}, {5, 200301},  {4, 200101},  {60, 200109}, {10, 199901}, {3, 199701},
    {35, 199601}, {8, 199401}, {2, 199401},  {59, 199401}, {7, 199301},  {61, 199301},
    {9, 199101}, {1, 199001},  {58, 199001}, {6, 198812},
};

}  // namespace

std::span<const TCourseEra> CourseEraTable() { return kCourseEras; }

int CourseEraNumber(int venue, int monthNumber) {
  int number = venue * 10 + 1;
  for (const TCourseEra& era : kCourseEras) {
    if (era.Venue == venue && era.FirstMonth <= monthNumber) ++number;
  }
  return number;
}

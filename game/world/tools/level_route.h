// The two walks a player makes through the level, as waypoints with the height of the floor the
// hero stands on there. The walk-through test drives the hero along them; the level map draws
// them.
#pragma once

struct RoutePoint {
    float x, z;
    float floor_y;
    const char* where;
};

// Start hall, doorway, corridor, bridge, into the river, the tunnel, up the river-bed steps, the
// room with the pillar, through the door (once open), up the stair passage, along the ledge and
// down onto the lava hall's central floor. The door stands between entries 8 and 9.
constexpr RoutePoint RIVER_WALK[] = {
    {0, 7, 0, "start"},
    {0, -6, 0, "start hall by the doorway"},
    {-20, -6, 0, "corridor"},
    {-33, -6, 0, "bridge"},
    {-33, -2, -1.5f, "river bed below the bridge"},
    {-33, 7, -1.5f, "river tunnel going north"},
    {-14, 7, -1.5f, "river tunnel going east"},
    {-14, 20, 0, "up the river-bed steps into the room"},
    {-14, 28, 0, "room with the pillar"},
    {-2, 28, 0, "before the door"},
    {2, 28, 0, "behind the door"},
    {12, 28, 1.0f, "first landing"},
    {12, 16.5f, 2.0f, "second landing"},
    {30, 16.5f, 3.0f, "third landing"},
    {30, -10, 5.0f, "ledge above the lava hall"},
    {30, -15, 0, "central floor of the lava hall"},
};
constexpr int RIVER_WALK_DOOR = 9; // the door lies between this entry and the next

// Start hall, corridor, the western rooms, the second crossing, the long hall past the lever,
// into the lava hall.
constexpr RoutePoint WEST_WALK[] = {
    {0, 7, 0, "start"},
    {0, -6, 0, "start hall by the doorway"},
    {-42, -6, 0, "corridor west of the river"},
    {-42, -15, 0, "eastern western room"},
    {-54, -15, 0, "western western room"},
    {-42, -16.5f, 0, "before the second bridge"},
    {-25, -16.5f, 0, "over the second bridge into the long hall"},
    {15, -16.5f, 0, "long hall by the lever"},
    {15, -15.4f, 0, "long hall, north side"},
    {28, -15.4f, 0, "past the princess onto the central floor"},
};

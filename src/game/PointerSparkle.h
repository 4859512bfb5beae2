// The sparkle trail of the game's mouse pointer: installed as the pointer's
// particle function, it drops a tinted snowflake within the pointer picture
// every SparkleLength steps while the pointer moves, and none while it rests.
#pragma once

// One logic step of the trail; 1 when it dropped a snowflake.
int PointerSparkle();

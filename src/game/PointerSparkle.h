// The sparkle trail of the game's mouse pointer: installed as the pointer's
// particle function, it drops a tinted snowflake within the pointer picture
// every SparkleLength steps.
#pragma once

int PointerSparkle();

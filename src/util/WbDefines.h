#pragma once

// Shared declarations of the package; at present the units need none beyond their own.

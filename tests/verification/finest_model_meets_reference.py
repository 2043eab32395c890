"""Solves the finest model of a verification example with the Solvane given
and passes when its value lies within the example's tolerance of the
reference.

Usage: finest_model_meets_reference.py <path of Solvane> <example>
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "examples", "verification"))
from benchmarks import BENCHMARKS, solved_value  # noqa: E402

solvane, name = os.path.abspath(sys.argv[1]), sys.argv[2]
benchmark = BENCHMARKS[name]
finest = benchmark.models()[-1]
value = solved_value(solvane, benchmark, finest)
error = benchmark.error(value)
print(f"{benchmark.folder}/{os.path.basename(os.path.dirname(finest))}: {value:g} against "
      f"{benchmark.reference:g}, {100 * error:+.2f} % (accepted: {100 * benchmark.tolerance:g} %)")
sys.exit(0 if abs(error) <= benchmark.tolerance else 1)

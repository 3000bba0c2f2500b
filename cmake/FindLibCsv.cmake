# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# libcsv, the CSV reader and writer the results files are read with (Debian: libcsv-dev).
# Defines LibCsv::LibCsv.
find_path(LIBCSV_INCLUDE_DIR NAMES csv.h)
find_library(LIBCSV_LIBRARY NAMES csv)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(LibCsv
    REQUIRED_VARS LIBCSV_LIBRARY LIBCSV_INCLUDE_DIR
    REASON_FAILURE_MESSAGE "install libcsv-dev (scripts/install-deps installs all that Quindle needs)")
if(LibCsv_FOUND AND NOT TARGET LibCsv::LibCsv)
    add_library(LibCsv::LibCsv UNKNOWN IMPORTED)
    set_target_properties(LibCsv::LibCsv PROPERTIES
        IMPORTED_LOCATION "${LIBCSV_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${LIBCSV_INCLUDE_DIR}")
endif()
mark_as_advanced(LIBCSV_INCLUDE_DIR LIBCSV_LIBRARY)

// Resource ids of the panning library, grouped by kind. The numbers are fixed:
// the steering tables and the mark choice refer to them.
#pragma once

// Direction cursors: the way the view is heading, or at rest.
#define IDC_PAN_WEST 129
#define IDC_PAN_NORTH_EAST 130
#define IDC_PAN_REST_BOTH 131
#define IDC_PAN_REST_HORIZONTAL 132
#define IDC_PAN_REST_VERTICAL 133
#define IDC_PAN_NORTH 134
#define IDC_PAN_NORTH_WEST 135
#define IDC_PAN_SOUTH_EAST 136
#define IDC_PAN_SOUTH 137
#define IDC_PAN_SOUTH_WEST 138
#define IDC_PAN_EAST 139

// Origin marks, one per set of allowed directions.
#define IDB_MARK_VERTICAL 140
#define IDB_MARK_HORIZONTAL 141
#define IDB_MARK_BOTH 142

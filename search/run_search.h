#pragma once

// The "搜索" button: checks the form and sends the pane to the request.
void RunSearch();

// The report library: the report content built from the results record and its .docx file.
#pragma once

#include "report/docx_writer.h"
#include "report/full_report.h"
#include "report/report_builder.h"
#include "report/report_document.h"
#include "report/report_files.h"

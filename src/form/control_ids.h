// The one table of control ids: the form's controls, the small dialogs' controls and the
// platform's standard button ids. The form logic (with the map of the claim's values to their
// fields, field_map.h), the widgets and the printed form's labels name a control by these.
#pragma once

namespace ferdix {

// Standard dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Traveller.
inline constexpr int kIdPersonaliaBox = 1000;
inline constexpr int kIdPersonIdLabel = 1002;
inline constexpr int kIdPersonId = 1004;
inline constexpr int kIdNameLabel = 1005;
inline constexpr int kIdName = 1011;
inline constexpr int kIdStreetLabel = 1006;
inline constexpr int kIdStreet = 1012;
inline constexpr int kIdPostcodeLabel = 1007;
inline constexpr int kIdPostcode = 1014;
inline constexpr int kIdPostTownLabel = 1008;
inline constexpr int kIdPostTown = 1016;

// Job details.
inline constexpr int kIdJobBox = 1003;
inline constexpr int kIdPositionLabel = 1029;
inline constexpr int kIdPosition = 1032;
inline constexpr int kIdBankAccountLabel = 1031;
inline constexpr int kIdBankAccount = 1033;
inline constexpr int kIdAgencyLabel = 1036;
inline constexpr int kIdAgency = 1038;
inline constexpr int kIdDepartmentLabel = 1034;
inline constexpr int kIdDepartment = 1035;
inline constexpr int kIdTaxMunicipalityLabel = 1009;
inline constexpr int kIdTaxMunicipality = 1013;
inline constexpr int kIdMunicipalityNumberLabel = 1010;
inline constexpr int kIdMunicipalityNumber = 1015;
inline constexpr int kIdEmployeeNumberLabel = 1040;
inline constexpr int kIdEmployeeNumber = 1037;
inline constexpr int kIdTaxPercentLabel = 1041;
inline constexpr int kIdTaxPercent = 1039;
inline constexpr int kIdDutyStationLabel = 1218;
inline constexpr int kIdDutyStation = 1219;

// Kind of trip and lodging kind.
inline constexpr int kIdTripKindBox = 1017;
inline constexpr int kIdTripCourse = 1018;
inline constexpr int kIdTripOfficial = 1019;
inline constexpr int kIdTripOther = 1020;
inline constexpr int kIdTripOtherText = 1021;
inline constexpr int kIdLodgingKindBox = 1208;
inline constexpr int kIdOvernight = 1246;
inline constexpr int kIdHotel = 1209;
inline constexpr int kIdBoardingHouse = 1210;
inline constexpr int kIdLodgingOther = 1211;

// Destination, purpose, departure and return.
inline constexpr int kIdPurposeBox = 1022;
inline constexpr int kIdPurpose = 1023;
inline constexpr int kIdDepartureDateLabel = 1025;
inline constexpr int kIdDepartureDate = 1024;
inline constexpr int kIdDepartureTime = 1030;
inline constexpr int kIdReturnDateLabel = 1027;
inline constexpr int kIdReturnDate = 1026;
inline constexpr int kIdReturnTime = 1028;

// Travel legs ("Reisespesifikasjon"): entry fields and list.
inline constexpr int kIdTravelBox = 1042;
inline constexpr int kIdTravelFromLabel = 1154;
inline constexpr int kIdTravelDate = 1044;
inline constexpr int kIdTravelTime = 1045;
inline constexpr int kIdTravelFromPlaceLabel = 1156;
inline constexpr int kIdTravelFrom = 1046;
inline constexpr int kIdTravelArrival = 1047;
inline constexpr int kIdTravelToPlaceLabel = 1163;
inline constexpr int kIdTravelTo = 1048;
inline constexpr int kIdTravelMeansLabel = 1164;
inline constexpr int kIdTravelMeans = 1117;
inline constexpr int kIdTravelKm = 1054;
inline constexpr int kIdTravelCurrency = 1049;
inline constexpr int kIdTravelAmountLabel = 1159;
inline constexpr int kIdTravelAmount = 1050;
inline constexpr int kIdTravelRate = 1051;
inline constexpr int kIdTravelSumLabel = 1161;
inline constexpr int kIdTravelSum = 1052;
inline constexpr int kIdTravelRegister = 1248;
inline constexpr int kIdTravelList = 1043;

// Outlays: entry fields and list.
inline constexpr int kIdOutlayBox = 1212;
inline constexpr int kIdOutlayDate = 1058;
inline constexpr int kIdOutlayText = 1060;
inline constexpr int kIdOutlayCurrency = 1063;
inline constexpr int kIdOutlayAmountLabel = 1168;
inline constexpr int kIdOutlayAmount = 1064;
inline constexpr int kIdOutlayRate = 1065;
inline constexpr int kIdOutlaySumLabel = 1166;
inline constexpr int kIdOutlaySum = 1066;
inline constexpr int kIdOutlayRegister = 1069;
inline constexpr int kIdOutlayList = 1057;

// Lodging.
inline constexpr int kIdLodgingBox = 1249;
inline constexpr int kIdLodgingLabel = 1214;
inline constexpr int kIdLodging = 1001;

// Allowance grid: heads, block and row labels, country lists, descriptions, buttons.
inline constexpr int kIdCountHead = 1272;
inline constexpr int kIdAmountHead = 1274;
inline constexpr int kIdAdminDomestic = 1275;
inline constexpr int kIdAdminAbroad = 1276;
inline constexpr int kIdDayBlockLabel = 1142;
inline constexpr int kIdDayDomesticUnder5hLabel = 1257;
inline constexpr int kIdDayDomestic5to9hLabel = 1175;
inline constexpr int kIdDayDomestic9to12hLabel = 1176;
inline constexpr int kIdDayDomesticOver12hLabel = 1222;
inline constexpr int kIdDayAbroad6to12hLabel = 1178;
inline constexpr int kIdDayAbroadOver12hLabel = 1179;
inline constexpr int kIdDayCountry = 1081;
inline constexpr int kIdOvernightBlockLabel = 1143;
inline constexpr int kIdOvernightDomestic8to12hLabel = 1180;
inline constexpr int kIdOvernightDomesticOver12hLabel = 1226;
inline constexpr int kIdOvernightAbroadLabel = 1177;
inline constexpr int kIdNightCountry1 = 1085;
inline constexpr int kIdNightCountry2 = 1089;
inline constexpr int kIdNightBlockLabel = 1144;
inline constexpr int kIdUnverifiedCountry1 = 1096;
inline constexpr int kIdUnverifiedCountry2 = 1100;
inline constexpr int kIdOwnTransportBlockLabel = 1145;
inline constexpr int kIdCarUpTo9000Label = 1187;
inline constexpr int kIdCarOver9000Label = 1188;
inline constexpr int kIdHomeWorkTaxableLabel = 1241;
inline constexpr int kIdPassengerSupplementLabel = 1189;
inline constexpr int kIdOtherOwnTransportLabel = 1190;
inline constexpr int kIdLongStayBlockLabel = 1146;
inline constexpr int kIdLongStayBoardLabel = 1239;
inline constexpr int kIdLongStayNightLabel = 1197;
inline constexpr int kIdOtherAllowanceBlockLabel = 1147;
inline constexpr int kIdOtherAllowanceLabel = 1191;
inline constexpr int kIdOtherAdditions = 1133;
inline constexpr int kIdMealDeductionNoOvernightLabel = 1192;
inline constexpr int kIdMealDeductionNoOvernightText = 1266;
inline constexpr int kIdMealDeductionOvernight1Label = 1195;
inline constexpr int kIdMealDeductionOvernight2Label = 1196;
inline constexpr int kIdMealInfo1 = 1263;
inline constexpr int kIdMealInfo2 = 1264;
inline constexpr int kIdMealInfo3 = 1265;
inline constexpr int kIdBoardLodgingDaysCoveredLabel = 1232;
inline constexpr int kIdAdvanceBlockLabel = 1149;
inline constexpr int kIdAdvancePlaceLabel = 1194;
inline constexpr int kIdAdvancePlace = 1140;

// Notes and accounting.
inline constexpr int kIdRemarksBox = 1170;
inline constexpr int kIdRemarks = 1171;
inline constexpr int kIdAccountToChargeLabel = 1203;
inline constexpr int kIdAccountToCharge = 1202;
inline constexpr int kIdWrittenDateLabel = 1207;
inline constexpr int kIdWrittenDate = 1206;
inline constexpr int kIdTripNumber = 1237;
inline constexpr int kIdInterimAccount = 1215;

// Allowance grid fields, by allowance line: count, rate and amount.
inline constexpr int kIdAdminAllowanceCount = 1251;
inline constexpr int kIdAdminAllowanceRate = 1253;
inline constexpr int kIdAdminAllowanceAmount = 1254;
inline constexpr int kIdDayDomesticUnder5hCount = 1062;
inline constexpr int kIdDayDomesticUnder5hRate = 1073;
inline constexpr int kIdDayDomesticUnder5hAmount = 1075;
inline constexpr int kIdDayDomestic5to9hCount = 1067;
inline constexpr int kIdDayDomestic5to9hRate = 1074;
inline constexpr int kIdDayDomestic5to9hAmount = 1076;
inline constexpr int kIdDayDomestic9to12hCount = 1252;
inline constexpr int kIdDayDomestic9to12hRate = 1255;
inline constexpr int kIdDayDomestic9to12hAmount = 1256;
inline constexpr int kIdDayDomesticOver12hCount = 1199;
inline constexpr int kIdDayDomesticOver12hRate = 1220;
inline constexpr int kIdDayDomesticOver12hAmount = 1221;
inline constexpr int kIdDayAbroad6to12hCount = 1068;
inline constexpr int kIdDayAbroad6to12hRate = 1077;
inline constexpr int kIdDayAbroad6to12hAmount = 1079;
inline constexpr int kIdDayAbroadOver12hCount = 1070;
inline constexpr int kIdDayAbroadOver12hRate = 1078;
inline constexpr int kIdDayAbroadOver12hAmount = 1080;
inline constexpr int kIdOvernightDomestic8to12hCount = 1082;
inline constexpr int kIdOvernightDomestic8to12hRate = 1083;
inline constexpr int kIdOvernightDomestic8to12hAmount = 1084;
inline constexpr int kIdOvernightDomesticOver12hCount = 1223;
inline constexpr int kIdOvernightDomesticOver12hRate = 1224;
inline constexpr int kIdOvernightDomesticOver12hAmount = 1225;
inline constexpr int kIdOvernightAbroad1Count = 1086;
inline constexpr int kIdOvernightAbroad1Rate = 1087;
inline constexpr int kIdOvernightAbroad1Amount = 1088;
inline constexpr int kIdOvernightAbroad2Count = 1090;
inline constexpr int kIdOvernightAbroad2Rate = 1091;
inline constexpr int kIdOvernightAbroad2Amount = 1092;
inline constexpr int kIdNightDomesticCount = 1108;
inline constexpr int kIdNightDomesticRate = 1109;
inline constexpr int kIdNightDomesticAmount = 1110;
inline constexpr int kIdNightDomesticHotelCount = 1227;
inline constexpr int kIdNightDomesticHotelRate = 1228;
inline constexpr int kIdNightDomesticHotelAmount = 1229;
inline constexpr int kIdNightAbroad1Count = 1111;
inline constexpr int kIdNightAbroad1Rate = 1112;
inline constexpr int kIdNightAbroad1Amount = 1113;
inline constexpr int kIdNightAbroad2Count = 1118;
inline constexpr int kIdNightAbroad2Rate = 1119;
inline constexpr int kIdNightAbroad2Amount = 1120;
inline constexpr int kIdCarUpTo9000Count = 1093;
inline constexpr int kIdCarUpTo9000Rate = 1094;
inline constexpr int kIdCarUpTo9000Amount = 1095;
inline constexpr int kIdCarOver9000Count = 1097;
inline constexpr int kIdCarOver9000Rate = 1098;
inline constexpr int kIdCarOver9000Amount = 1099;
inline constexpr int kIdHomeWorkTaxableCount = 1127;
inline constexpr int kIdHomeWorkTaxableRate = 1128;
inline constexpr int kIdHomeWorkTaxableAmount = 1129;
inline constexpr int kIdPassengerSupplementCount = 1101;
inline constexpr int kIdPassengerSupplementRate = 1102;
inline constexpr int kIdPassengerSupplementAmount = 1103;
inline constexpr int kIdOtherOwnTransportCount = 1105;
inline constexpr int kIdOtherOwnTransportRate = 1106;
inline constexpr int kIdOtherOwnTransportAmount = 1107;
inline constexpr int kIdLongStayBoardCount = 1121;
inline constexpr int kIdLongStayBoardRate = 1122;
inline constexpr int kIdLongStayBoardAmount = 1123;
inline constexpr int kIdLongStayNightCount = 1124;
inline constexpr int kIdLongStayNightRate = 1125;
inline constexpr int kIdLongStayNightAmount = 1126;
inline constexpr int kIdOtherAllowanceCount = 1130;
inline constexpr int kIdOtherAllowanceRate = 1131;
inline constexpr int kIdOtherAllowanceAmount = 1132;
inline constexpr int kIdMealDeductionNoOvernightAmount = 1134;
inline constexpr int kIdMealDeductionOvernight1Amount = 1135;
inline constexpr int kIdMealDeductionOvernight2Amount = 1136;
inline constexpr int kIdBoardLodgingDaysCoveredCount = 1260;
inline constexpr int kIdAdvanceAmount = 1138;

// The rates dialog ("Satser").
inline constexpr int kIdRatesNameLabel = 1236;
inline constexpr int kIdRatesList = 1240;
inline constexpr int kIdRatesValueLabel = 1204;
inline constexpr int kIdRatesValue = 1200;
inline constexpr int kIdRatesChange = 3;  // "Endre", the default button

// The kilometres-so-far dialog ("Km hittil i år").
inline constexpr int kIdKmSoFar = 1238;

// The About box.
inline constexpr int kIdAboutVersion = 1245;
inline constexpr int kIdAboutDomesticRates = 1247;
inline constexpr int kIdAboutAbroadRates = 1055;
inline constexpr int kIdAboutFiles = 1300;  // the rate and settings files in force

}  // namespace ferdix
